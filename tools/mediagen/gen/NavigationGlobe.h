// The drawn globe of the navigation screen: where a place on Earth lands in each of its 28 frames.
#pragma once

#include "MediaImage.h"

namespace mediagen {

// Where the screen draws the globe sprite, and the globe inside it.
inline constexpr int kGlobeSpriteX = 208;
inline constexpr int kGlobeSpriteY = 144;
inline constexpr int kGlobeSpriteWidth = 256;
inline constexpr int kGlobeSpriteHeight = 258;
inline constexpr double kGlobeCentreX = 127.0; // in the sprite
inline constexpr double kGlobeCentreY = 141.5;
inline constexpr double kGlobeRadius = 112.0;
inline constexpr int kGlobeFrames = 28;
// The frame that shows face 0..3 (the Americas, Europe and Africa, Asia, the Pacific).
inline constexpr int kFaceFrames[4] = {21, 0, 7, 14};

struct GlobeSpot {
    double x, y;   // on the screen
    double facing; // 1 straight at the viewer, 0 at the rim, below 0 hidden
};

// The longitude in the middle of a frame: frame 0 looks at Europe and Africa,
// and each later frame turns the globe a little further east.
double GlobeCentreLongitude(int frame);
// A place of latitude and longitude (degrees) in a frame.
GlobeSpot GlobeProject(double latitude, double longitude, int frame);

// The 28 frames of "navig\globe.spx", drawn in the game palette.
IndexedImage DrawGlobeFrame(int frame);

} // namespace mediagen
