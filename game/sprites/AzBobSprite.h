// A sprite made of bobs, one per frame, with a position and per-frame offsets; it can
// also be the parent of other sprites and rectangles.
#pragma once

#include "AzBlitterObject.h"
#include "AzTranslationParent.h"

#include <cstdint>
#include <memory>
#include <vector>

class AzMemorySprite;

class AzBobSprite : public AzTranslationParent {
public:
    AzBobSprite() = default;
    AzBobSprite(const AzBobSprite&) = delete;
    AzBobSprite& operator=(const AzBobSprite&) = delete;
    ~AzBobSprite() override;

    // One bob per frame; the position becomes path point 0 and each frame's offset its
    // point minus point 0. Frames without a point get offset (0, 0).
    void SetFromMemorySprite(const AzMemorySprite& memorySprite);
    void SetPosition(int32_t x, int32_t y);

    // Draws at once (not through the draw queue); an unknown frame is logged instead.
    void DrawFrame(int32_t frame, int32_t x, int32_t y);
    void DrawFrame(int32_t frame);

    AzPoint Translate(int32_t x, int32_t y) override;

    int32_t GetFrameCount() const { return mFrameCount; }
    // Null when the frame does not exist.
    AzBlitterObject* GetFrame(int32_t frame) const;
    AzPoint GetOffset(int32_t frame) const;
    int32_t GetPositionX() const { return mPositionX; }
    int32_t GetPositionY() const { return mPositionY; }

private:
    std::vector<std::unique_ptr<AzBlitterObject>> mFrames;
    std::vector<int32_t> mOffsetX;
    std::vector<int32_t> mOffsetY;
    int32_t mPositionX = 0;
    int32_t mPositionY = 0;
    int32_t mFrameCount = 0;
};
