// Bobs over leanRASTER graphics.
#include "AzBlitterObject.h"

#include "VlLog.h"

AzBlitterObject::AzBlitterObject(int32_t width, int32_t height, int flags) : mHeight(height), mWidth(width)
{
    if (!lrCreateGraphic(&mGraphic, width, height, flags)) {
        mGraphic = nullptr;
        azLog() << "AzBlitterObject::AzBlitterObject - lrCreateGraphic failed.\n" << std::flush;
    }
}

AzBlitterObject::~AzBlitterObject()
{
    if (mGraphic) lrDestroyGraphic(mGraphic);
    mGraphic = nullptr;
    mWidth = 0;
    mHeight = 0;
}

int AzBlitterObject::LoadFromMemory(const uint8_t* pixels)
{
    if (!mGraphic) {
        azLog() << "AzBlitterObject::LoadFromMemory - NULL pointer for lrGraphic. Can't copy.\n" << std::flush;
        return 0;
    }
    if (!pixels) return 0;
    return lrCopyToGraphic(mGraphic, 0, 0, pixels, mWidth, mHeight, mWidth);
}

void AzBlitterObject::Draw(int32_t x, int32_t y)
{
    if (mGraphic) lrBlitGraphic(mGraphic, 0, 0, mWidth, mHeight, x, y);
}

void AzBlitterObject::DrawPart(int32_t sourceX, int32_t sourceY, int32_t width, int32_t height, int32_t x, int32_t y)
{
    if (mGraphic) lrBlitGraphic(mGraphic, sourceX, sourceY, width, height, x, y);
}
