// The penguin flyer's snowball: flies left, hits the sleigh at most once and splashes.
#pragma once

#include "AzNullRect.h"
#include "GlGameObject.h"

class GlSkyRun;

class GlSRBullet : public GlGameObject {
public:
    static constexpr int32_t kBoxHeight = 14;
    static constexpr int32_t kBoxDrop = 9;

    GlSRBullet(GlSkyRun* screen, float x, float y, float horizontalSpeed, float verticalSpeed);
    bool Update() override;

    float X() const { return mX; }
    float Y() const { return mY; }
    bool IsHit() const { return mHit; }
    AzNullRect& Box() { return mBox; }

private:
    GlSkyRun* mScreen;
    float mX;
    float mY;
    float mHorizontalSpeed;
    float mVerticalSpeed;
    float mAnimationTimer = 1.0f;
    bool mHit = false;
    AzNullRect mBox;
};
