// Keeps the last presented picture.
#include "FrameKeeper.h"

#include <cstring>

bool FrameKeeper::Open(void*, int width, int height, bool windowed)
{
    mWidth = width;
    mHeight = height;
    mWindowed = windowed;
    return true;
}

void FrameKeeper::Present(const uint8_t* pixels, int width, int height, const uint8_t* palette)
{
    mWidth = width;
    mHeight = height;
    mPixels.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    mPalette.assign(palette, palette + 256 * 4);
    ++mPresentCount;
}

void FrameKeeper::Close()
{
}
