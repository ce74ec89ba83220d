// Collects canvases as the frames of one SPX sprite file, with their path points.
#pragma once

#include "Canvas.h"
#include "GamePalette.h"
#include "Quantizer.h"
#include "SpxWriter.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace mediagen {

class SpriteBuilder {
public:
    explicit SpriteBuilder(const Palette& palette = GamePalette(), const QuantizeOptions& options = {});

    // Adds the canvas as the next frame; (x, y) is where the game places the canvas's
    // top-left corner (the frame's path point). With `crop` the frame shrinks to its
    // visible pixels and the path point moves by the same amount, so it still lands
    // in the same place; an empty frame keeps one transparent pixel.
    void AddFrame(const Canvas& canvas, int x, int y, bool crop = false);
    void AddFrame(IndexedImage image, int x, int y);
    // An animation in one call: `count` frames drawn by draw(cr, phase) on fresh
    // width x height canvases, with phase 0, 1/count, 2/count ..., all placed at (x, y).
    void AddPhases(int width, int height, int count, const std::function<void(cairo_t*, double phase)>& draw, int x,
                   int y, bool crop = false);

    const std::vector<SpxFrame>& Frames() const { return mFrames; }
    std::vector<uint8_t> Encode(const SpxOptions& options = {}) const;

private:
    Quantizer mQuantizer;
    QuantizeOptions mOptions;
    std::vector<SpxFrame> mFrames;
};

// The smallest rectangle holding every pixel that is not the transparent key;
// (0, 0, 0, 0) when there is none.
struct PixelBounds {
    int x = 0, y = 0, width = 0, height = 0;
};
PixelBounds VisibleBounds(const IndexedImage& image);
IndexedImage CropImage(const IndexedImage& image, const PixelBounds& bounds);

} // namespace mediagen
