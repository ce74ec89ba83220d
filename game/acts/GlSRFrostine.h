// The storm-witch Frostine: sweeps in from the right now and then, throws one storm cloud, sweeps out.
#pragma once

#include "GlGameObject.h"

class GlSkyRun;

class GlSRFrostine : public GlGameObject {
public:
    static constexpr float kEnterX = 660.0f;
    static constexpr float kTurnX = 520.0f;

    explicit GlSRFrostine(GlSkyRun* screen);
    bool Update() override;

    // The appearance timer all of her visits in a program run share.
    static float& AppearanceTimer();

    bool IsActive() const { return mActive; }
    float X() const { return mX; }
    float Y() const { return mY; }

private:
    GlSkyRun* mScreen;
    float mX = 0.0f;
    float mY = 0.0f;
    float mHorizontalSpeed = 0.0f;
    float mVerticalSpeed = 0.0f;
    bool mActive = false;
};
