// A dropped gift: drifts forward and falls until it lands on the house, leaves the picture or is swallowed.
#pragma once

#include "AzNullRect.h"
#include "GlGameObject.h"

class GlSkyRun;

class GlSRGift : public GlGameObject {
public:
    static constexpr float kHorizontalSpeed = 10.0f;
    static constexpr float kMaxFallSpeed = 200.0f;
    static constexpr int32_t kBoxSize = 20;

    GlSRGift(GlSkyRun* screen, float x, float y, bool last);
    bool Update() override;

    float X() const { return mX; }
    float Y() const { return mY; }
    float FallSpeed() const { return mFallSpeed; }
    bool IsLast() const { return mLast; }

private:
    GlSkyRun* mScreen;
    float mX;
    float mY;
    float mHorizontalSpeed = kHorizontalSpeed;
    float mFallSpeed = 0.0f;
    bool mLast;
    AzNullRect mBox{0, 0, kBoxSize, kBoxSize};
};
