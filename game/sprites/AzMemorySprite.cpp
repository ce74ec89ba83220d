// Frame and path point lists of a memory sprite.
#include "AzMemorySprite.h"

#include <utility>

AzMemoryImage* AzMemorySprite::GetFrame(int32_t index) const
{
    if (index < 0 || index >= GetFrameCount()) return nullptr;
    return mFrames[static_cast<size_t>(index)].get();
}

int32_t AzMemorySprite::GetPathX(int32_t index) const
{
    if (index < 0 || index >= GetPathPointCount()) return 0;
    return mPathX[static_cast<size_t>(index)];
}

int32_t AzMemorySprite::GetPathY(int32_t index) const
{
    if (index < 0 || index >= GetPathPointCount()) return 0;
    return mPathY[static_cast<size_t>(index)];
}

void AzMemorySprite::AddFrame(std::unique_ptr<AzMemoryImage> frame)
{
    if (frame) mFrames.push_back(std::move(frame));
}

void AzMemorySprite::AddPathPoint(int32_t x, int32_t y)
{
    mPathX.push_back(x);
    mPathY.push_back(y);
}
