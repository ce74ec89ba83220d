// Screen-placed sprite frames: cropped, with frame 0 pinned to the screen's drawing point.
#include "StorySprite.h"

#include "paint/SpriteBuilder.h"

#include <algorithm>
#include <utility>

namespace mediagen {

StorySprite::StorySprite(int screenX, int screenY, const Palette& palette, const QuantizeOptions& options)
    : mScreenX(screenX), mScreenY(screenY), mQuantizer(palette), mOptions(options)
{
}

void StorySprite::AddFrame(const Canvas& canvas, int left, int top)
{
    const IndexedImage image = mQuantizer.Quantize(canvas, mOptions);
    if (mFrames.empty()) {
        mFrames.push_back(PlaceFirst(image, left, top));
        return;
    }
    PixelBounds bounds = VisibleBounds(image);
    // A frame that shows nothing still needs a pixel to exist.
    if (bounds.width == 0) bounds = {0, 0, 1, 1};
    mFrames.push_back({CropImage(image, bounds), left + bounds.x, top + bounds.y});
}

SpxFrame StorySprite::PlaceFirst(const IndexedImage& image, int left, int top) const
{
    PixelBounds bounds = VisibleBounds(image);
    const int right = left + bounds.x + bounds.width, bottom = top + bounds.y + bounds.height;
    if (bounds.width == 0 || right <= mScreenX || bottom <= mScreenY) {
        IndexedImage blank{1, 1, {pal::kTransparent}};
        return {std::move(blank), mScreenX, mScreenY};
    }
    // In canvas coordinates: from the screen point to the far edge of what shows.
    const PixelBounds placed{mScreenX - left, mScreenY - top, right - mScreenX, bottom - mScreenY};
    return {CropImage(image, placed), mScreenX, mScreenY};
}

std::vector<uint8_t> StorySprite::Encode() const { return EncodeSpx(mFrames); }

} // namespace mediagen
