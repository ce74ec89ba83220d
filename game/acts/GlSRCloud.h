// A drifting cloud: its back half passes behind the far buildings, its front half in front of the sleigh.
#pragma once

#include "GlGameObject.h"

#include <cstddef>

class AzBlitterObject;
class GlSkyRun;

class GlSRCloud : public GlGameObject {
public:
    static constexpr float kStartX = 650.0f;
    static constexpr float kGoneX = -200.0f;
    static constexpr float kBackDepth = 5000.0f;
    static constexpr float kFrontDepth = 800.0f;

    // Picks its pair and its height and speed from the game's random generator; the
    // screen makes one only when the city has cloud pairs.
    explicit GlSRCloud(GlSkyRun* screen);
    bool Update() override;

    float X() const { return mX; }
    float Y() const { return mY; }
    float Speed() const { return mSpeed; }
    size_t Pair() const { return mPair; }
    float BackDepth() const { return kBackDepth + mSpeed; }
    float FrontDepth() const { return kFrontDepth - mSpeed; }

private:
    GlSkyRun* mScreen;
    size_t mPair = 0;
    float mX = kStartX;
    float mY = 0.0f;
    float mSpeed = 0.0f;
    AzBlitterObject* mBack = nullptr;
    AzBlitterObject* mFront = nullptr;
};
