// A snowball of act 1: thrown straight down by a sniper or blown up high by the snowblower.
#pragma once

#include "GlGameObject.h"

#include "AzNullRect.h"

#include <cstdint>

class GlToyCatcher;

class GlTCSnowball : public GlGameObject {
public:
    static constexpr float kGroundY = 394.0f;
    static constexpr float kMaxFallSpeed = 1500.0f;
    static constexpr int32_t kSplashTicks = 16;

    GlTCSnowball(GlToyCatcher* screen, float x, float y, float fallSpeed, float fallAcceleration, bool blown);
    bool Update() override;

    bool Blown() const { return mBlown; }
    float X() const { return mX; }
    float Y() const { return mY; }
    float FallSpeed() const { return mFallSpeed; }
    bool Landed() const { return mLanded; }
    const AzNullRect& Box() const { return mBox; }

private:
    GlToyCatcher* mScreen;
    bool mBlown;
    float mX;
    float mY;
    float mHorizontalSpeed = 0.0f;
    float mFallSpeed;
    float mFallAcceleration;
    AzNullRect mBox{0, 0, 20, 20};
    bool mLanded = false;
    uint32_t mLandingTime = 0;
};
