// Sprite frames from canvases, optionally cropped to what is visible.
#include "SpriteBuilder.h"

#include <algorithm>
#include <utility>

namespace mediagen {

SpriteBuilder::SpriteBuilder(const Palette& palette, const QuantizeOptions& options)
    : mQuantizer(palette), mOptions(options)
{
}

void SpriteBuilder::AddFrame(const Canvas& canvas, int x, int y, bool crop)
{
    IndexedImage image = mQuantizer.Quantize(canvas, mOptions);
    if (crop) {
        PixelBounds bounds = VisibleBounds(image);
        if (bounds.width == 0) bounds = {0, 0, 1, 1};
        image = CropImage(image, bounds);
        x += bounds.x;
        y += bounds.y;
    }
    AddFrame(std::move(image), x, y);
}

void SpriteBuilder::AddFrame(IndexedImage image, int x, int y) { mFrames.push_back({std::move(image), x, y}); }

void SpriteBuilder::AddPhases(int width, int height, int count,
                              const std::function<void(cairo_t*, double phase)>& draw, int x, int y, bool crop)
{
    for (int i = 0; i < count; ++i) {
        Canvas canvas(width, height);
        draw(canvas.Cr(), double(i) / count);
        AddFrame(canvas, x, y, crop);
    }
}

std::vector<uint8_t> SpriteBuilder::Encode(const SpxOptions& options) const { return EncodeSpx(mFrames, options); }

PixelBounds VisibleBounds(const IndexedImage& image)
{
    int left = image.width, top = image.height, right = -1, bottom = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.pixels[size_t(y) * image.width + x] == pal::kTransparent) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

IndexedImage CropImage(const IndexedImage& image, const PixelBounds& b)
{
    IndexedImage out{b.width, b.height, std::vector<uint8_t>(size_t(b.width) * b.height, pal::kTransparent)};
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            const int sx = b.x + x, sy = b.y + y;
            if (sx >= 0 && sy >= 0 && sx < image.width && sy < image.height) {
                out.pixels[size_t(y) * b.width + x] = image.pixels[size_t(sy) * image.width + sx];
            }
        }
    }
    return out;
}

} // namespace mediagen
