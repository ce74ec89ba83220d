// Shared staging for the story scenes: scene palettes, screen-space canvases and picture files.
#pragma once

#include "ArtPen.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Quantizer.h"

#include "MediaImage.h"

#include <cairo.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mediagen {

class OutputTree;

// The game palette with its mixed colours (192..253) traded for ramps a scene needs; every
// named ramp of the art kit keeps its colours, so figures look the same in every scene.
struct SceneRamp {
    PaletteRamp ramp;
    std::vector<Rgb> keys; // blended evenly from the first entry of the ramp to the last
};
Palette ScenePalette(const std::vector<SceneRamp>& ramps);

// The palette file a scene loads: only its colour table matters, the swatches are for people.
std::vector<uint8_t> EncodePaletteFile(const Palette& palette);

// A canvas for a picture placed at (left, top) on the screen, already translated so that
// drawing happens in screen coordinates.
Canvas PictureCanvas(int left, int top, int width, int height);

// Canvases for moving sprites reach this far past both side edges of the screen, so figures
// that enter or leave are drawn whole before they are cropped.
inline constexpr int kStageLeft = -100;
inline constexpr int kStageWidth = 840;
inline constexpr int kStageHeight = 480;

// Clears the stage canvas and sets it up for drawing in screen coordinates.
cairo_t* BeginStageFrame(Canvas& stage);

// Draws each frame of a moving figure on a fresh stage, in screen coordinates, and writes the
// frames as one sprite that the scene places at (x, y).
void WriteStageSprite(const OutputTree& out, const Palette& palette, const std::string& name, int x, int y,
                      int frames, const std::function<void(cairo_t*, int frame)>& paint);

// The bitmap of a picture: soft backgrounds dithered, figures quantized flat.
std::vector<uint8_t> EncodeScenePicture(const Canvas& canvas, const Palette& palette, bool soft);

// Where a point of the current user space lands on the canvas (for lining overlays up with figures).
Point UserToCanvas(cairo_t* cr, double x, double y);

} // namespace mediagen
