// The penguin flyer: dives in from the top right, follows the sleigh's height, shoots snowballs, flies off.
#pragma once

#include "GlGameObject.h"

#include <cstdint>

class GlSkyRun;

class GlSRPenguin : public GlGameObject {
public:
    enum State : int32_t { kAway, kDiving, kFollowing, kShooting, kAfterShot, kLeaving };

    explicit GlSRPenguin(GlSkyRun* screen);
    bool Update() override;

    // The decision timer every penguin flyer of a program run shares.
    static float& DecisionTimer();

    State GetState() const { return mState; }
    float X() const { return mX; }
    float Y() const { return mY; }
    float HorizontalSpeed() const { return mHorizontalSpeed; }
    float VerticalSpeed() const { return mVerticalSpeed; }
    float AnimationTimer() const { return mAnimationTimer; }
    int32_t Frame() const { return mFrame; }

private:
    // The flying frames 0..5, restarting the timer past them.
    int32_t FlyingFrame();
    void Shoot();

    GlSkyRun* mScreen;
    float mX = 0.0f;
    float mY = 0.0f;
    float mHorizontalSpeed = 0.0f;
    float mVerticalSpeed = 0.0f;
    float mAnimationTimer = 0.0f;
    State mState = kAway;
    int32_t mFrame = 0;
};
