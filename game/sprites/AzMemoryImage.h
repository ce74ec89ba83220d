// An 8-bit picture in plain memory: palette indices, top row first, no row padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class AzMemoryImage {
public:
    // Sizes are not checked here; a negative width or height makes an empty picture.
    AzMemoryImage(int32_t width, int32_t height, int32_t bitsPerPixel = 8);

    int32_t GetWidth() const { return mWidth; }
    int32_t GetHeight() const { return mHeight; }
    int32_t GetBitsPerPixel() const { return mBitsPerPixel; }
    // width x height bytes, initially 0.
    uint8_t* GetPixels() { return mPixels.data(); }
    const uint8_t* GetPixels() const { return mPixels.data(); }
    uint8_t* GetRow(int32_t row) { return mPixels.data() + static_cast<size_t>(row) * mWidth; }

private:
    int32_t mWidth;
    int32_t mHeight;
    int32_t mBitsPerPixel;
    std::vector<uint8_t> mPixels;
};
