// Where the navigation screen puts things: corner panels, city pictures, and each city's flag and ring on the drawn globe.
#pragma once

#include "WorldCities.h"

#include <string>

namespace mediagen {

// Corner panels 0..3 (top left, top right, bottom left, bottom right): where the
// screen draws the corner ring, and the city picture and gift icon inside it.
struct CornerPanel {
    int ringX, ringY;
    int pictureX, pictureY;
};
inline constexpr CornerPanel kCornerPanels[4] = {
    {89, 153, 103, 165}, {474, 153, 488, 165}, {92, 343, 106, 355}, {474, 343, 488, 355}};
inline constexpr int kCornerRingSize = 84;
inline constexpr int kCityPictureWidth = 56;
inline constexpr int kCityPictureHeight = 60;
inline constexpr int kCityPictureFrames = 7;

// The flag's pole stands at (kFlagPoleX, kFlagHeight - 1) of the flag sprite.
inline constexpr int kFlagWidth = 22;
inline constexpr int kFlagHeight = 26;
inline constexpr int kFlagPoleX = 2;
inline constexpr int kCityRingSize = 32;

struct CityPlace {
    int flagX, flagY;
    int ringX, ringY;
    int corner; // 0..3
    int pictureX, pictureY;
    std::string pictureFile; // relative to "navig\"
};

// Where a city of the table stands on its face of the drawn globe, and which panel shows it.
CityPlace PlaceOfCity(const WorldCity& city);

// "city_7.spx", "city_30.spx": the picture file of a city number.
std::string CityPictureFile(int number);

} // namespace mediagen
