// A parent that makes its children wave: each point is shifted up or down by
// a sine of its x position and of a phase that runs with the frame time.
#pragma once

#include "AzTranslationParent.h"

#include <cstdint>

class AzSineWave : public AzTranslationParent {
public:
    // The frame-time step in units of 1/rate second (the shell's clamped step);
    // null keeps the phase still.
    using FrameStepFunction = float (*)(int32_t rate);

    explicit AzSineWave(FrameStepFunction frameStep);

    // Moves the phase on by one step first, so the ripple runs faster the
    // more points are translated in a frame. Answers (x, y + offset), the
    // offset between -10 and 10 and the same for every x of one 30-pixel step.
    AzPoint Translate(int32_t x, int32_t y) override;

    float GetPhase() const { return mPhase; }

private:
    FrameStepFunction mFrameStep;
    float mPhase = 0.0f;
};
