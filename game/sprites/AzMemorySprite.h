// The frames of a sprite file in memory, with one path point per frame that places it.
#pragma once

#include "AzMemoryImage.h"

#include <cstdint>
#include <memory>
#include <vector>

class AzMemorySprite {
public:
    explicit AzMemorySprite(int32_t bitsPerPixel = 8) : mBitsPerPixel(bitsPerPixel) {}

    int32_t GetBitsPerPixel() const { return mBitsPerPixel; }
    int32_t GetFrameCount() const { return static_cast<int32_t>(mFrames.size()); }
    int32_t GetPathPointCount() const { return static_cast<int32_t>(mPathX.size()); }

    // Out of range: null for a frame, 0 for a path coordinate. A file whose point count
    // differs from its frame count is still loaded, so callers meet missing points.
    AzMemoryImage* GetFrame(int32_t index) const;
    int32_t GetPathX(int32_t index) const;
    int32_t GetPathY(int32_t index) const;

    void AddFrame(std::unique_ptr<AzMemoryImage> frame);
    void AddPathPoint(int32_t x, int32_t y);

private:
    int32_t mBitsPerPixel;
    std::vector<std::unique_ptr<AzMemoryImage>> mFrames;
    std::vector<int32_t> mPathX;
    std::vector<int32_t> mPathY;
};
