// Collision rectangles and their absolute position through a parent.
#include "AzNullRect.h"

AzNullRect::AzNullRect(int32_t x, int32_t y, int32_t width, int32_t height)
    : mX(x), mY(y), mWidth(width), mHeight(height)
{
}

void AzNullRect::SetPosition(int32_t x, int32_t y)
{
    mX = x;
    mY = y;
}

void AzNullRect::SetSize(int32_t width, int32_t height)
{
    mWidth = width;
    mHeight = height;
}

AzPoint AzNullRect::GetPosition()
{
    if (!mParent) return {mX, mY};
    return AzPoint{mX, mY} + mParent->Translate(mX, mY);
}

AzPoint AzNullRect::Translate(int32_t x, int32_t y)
{
    return TranslateByPosition(x, y, mX, mY);
}
