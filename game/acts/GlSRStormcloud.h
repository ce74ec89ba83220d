// Frostine's storm cloud: drifts left on a random walk, zaps the sleigh now and then, swallows gifts.
#pragma once

#include "AzNullRect.h"
#include "GlGameObject.h"

#include <cstdint>

class GlSkyRun;

class GlSRStormcloud : public GlGameObject {
public:
    enum State : int32_t { kForming = 0, kDrifting = 2, kZapping = 3 };
    static constexpr int32_t kZapFrame = 8;
    static constexpr int32_t kZapBoxLeft = -18;
    static constexpr int32_t kZapBoxUp = -24;

    GlSRStormcloud(GlSkyRun* screen, float x, float y, float horizontalSpeed, float verticalSpeed);
    bool Update() override;

    State GetState() const { return mState; }
    float X() const { return mX; }
    float Y() const { return mY; }
    float VerticalSpeed() const { return mVerticalSpeed; }
    float AnimationTimer() const { return mAnimationTimer; }
    int32_t Frame() const { return mFrame; }
    AzNullRect& ZapBox() { return mZapBox; }
    AzNullRect& BodyBox() { return mBodyBox; }
    // Frames the zap has hurt the sleigh in (at most one per zap).
    int32_t HurtCount() const { return mHurtCount; }

private:
    GlSkyRun* mScreen;
    State mState = kForming;
    float mX;
    float mY;
    float mHorizontalSpeed;
    float mVerticalSpeed;
    float mAnimationTimer = 4.0f;
    int32_t mFrame = 6;
    int32_t mHurtCount = 0;
    AzNullRect mZapBox;
    AzNullRect mBodyBox;
};
