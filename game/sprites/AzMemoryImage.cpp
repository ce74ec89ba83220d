// The plain memory picture.
#include "AzMemoryImage.h"

AzMemoryImage::AzMemoryImage(int32_t width, int32_t height, int32_t bitsPerPixel)
    : mWidth(width > 0 && height > 0 ? width : 0),
      mHeight(width > 0 && height > 0 ? height : 0),
      mBitsPerPixel(bitsPerPixel),
      mPixels(static_cast<size_t>(mWidth) * static_cast<size_t>(mHeight))
{
}
