// The sleigh Glimmer pulls: steered with the arrows, it drops one gift per press of Space.
#pragma once

#include "AzNullRect.h"
#include "GlGameObject.h"

#include <cstdint>
#include <memory>

class AzBobSprite;
class GlSkyRun;

class GlSleigh : public GlGameObject {
public:
    static constexpr float kStartX = 55.0f;
    static constexpr float kStartY = 147.0f;
    static constexpr float kMinX = 4.0f;
    static constexpr float kMaxX = 324.0f;
    static constexpr float kMinY = 67.0f;
    static constexpr float kMaxY = 347.0f;
    static constexpr float kDiagonal = 0.7071f;
    static constexpr int32_t kBoxWidth = 138;
    static constexpr int32_t kBoxHeight = 37;
    static constexpr int32_t kCooldownTicks = 13;
    static constexpr int32_t kRestingDropFrame = 4;

    // What every sleigh of a program run shares: the drop cooldown.
    struct DropState {
        bool cooldownActive = false;
        bool spaceHeld = false;
        uint32_t cooldownStart = 0;
    };
    static DropState& SharedDrop();

    explicit GlSleigh(GlSkyRun* screen);
    ~GlSleigh() override;
    bool Update() override;

    float X() const { return mX; }
    float Y() const { return mY; }
    AzNullRect& Box() { return mBox; }
    int32_t LeadFrame() const { return mLeadFrame; }
    int32_t DropFrame() const { return mDropFrame; }
    // The drop sprite's frame for a cooldown tick 0..12.
    static int32_t DropFrameForTick(int32_t tick);

private:
    GlSkyRun* mScreen;
    float mX = kStartX;
    float mY = kStartY;
    AzNullRect mBox{0, 0, kBoxWidth, kBoxHeight};
    std::unique_ptr<AzBobSprite> mLead;
    std::unique_ptr<AzBobSprite> mSecond;
    std::unique_ptr<AzBobSprite> mThird;
    std::unique_ptr<AzBobSprite> mDrop;
    int32_t mLeadFrame = 1;
    int32_t mDropFrame = kRestingDropFrame;
};
