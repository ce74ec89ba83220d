// Bob sprites: frames, offsets from the path points, drawing through a parent.
#include "AzBobSprite.h"

#include "AzMemorySprite.h"
#include "VlLog.h"

AzBobSprite::~AzBobSprite() = default;

void AzBobSprite::SetFromMemorySprite(const AzMemorySprite& memorySprite)
{
    mFrames.clear();
    mOffsetX.clear();
    mOffsetY.clear();
    mFrameCount = memorySprite.GetFrameCount();

    const int32_t points = memorySprite.GetPathPointCount();
    mPositionX = memorySprite.GetPathX(0);
    mPositionY = memorySprite.GetPathY(0);
    for (int32_t i = 0; i < mFrameCount; ++i) {
        const AzMemoryImage* image = memorySprite.GetFrame(i);
        auto bob = std::make_unique<AzBlitterObject>(image->GetWidth(), image->GetHeight(), 0);
        bob->LoadFromMemory(image->GetPixels());
        mFrames.push_back(std::move(bob));
        const bool placed = i > 0 && i < points;
        mOffsetX.push_back(placed ? az::WrapSub(memorySprite.GetPathX(i), mPositionX) : 0);
        mOffsetY.push_back(placed ? az::WrapSub(memorySprite.GetPathY(i), mPositionY) : 0);
    }
}

void AzBobSprite::SetPosition(int32_t x, int32_t y)
{
    mPositionX = x;
    mPositionY = y;
}

void AzBobSprite::DrawFrame(int32_t frame, int32_t x, int32_t y)
{
    if (frame < 0 || frame >= mFrameCount) {
        azLog() << "AzBobSprite::DrawFrame - Frame " << frame << " doesn't exist.\n" << std::flush;
        return;
    }
    const AzPoint place = mParent ? mParent->Translate(x, y) : AzPoint{x, y};
    const size_t index = static_cast<size_t>(frame);
    const AzPoint at = place + AzPoint{mOffsetX[index], mOffsetY[index]};
    mFrames[index]->Draw(at.x, at.y);
}

void AzBobSprite::DrawFrame(int32_t frame)
{
    DrawFrame(frame, mPositionX, mPositionY);
}

AzPoint AzBobSprite::Translate(int32_t x, int32_t y)
{
    return TranslateByPosition(x, y, mPositionX, mPositionY);
}

AzBlitterObject* AzBobSprite::GetFrame(int32_t frame) const
{
    if (frame < 0 || frame >= mFrameCount) return nullptr;
    return mFrames[static_cast<size_t>(frame)].get();
}

AzPoint AzBobSprite::GetOffset(int32_t frame) const
{
    if (frame < 0 || frame >= mFrameCount) return {};
    return {mOffsetX[static_cast<size_t>(frame)], mOffsetY[static_cast<size_t>(frame)]};
}
