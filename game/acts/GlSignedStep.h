// Movement of the sleigh ride's actors by a speed that may be negative.
#pragma once

#include "GlFrameTiming.h"

#include <cstdint>

// FrameStepClamped of the speed truncated to whole pixels a second. The shared helper
// answers 0 for a rate at or below 0, so a leftward speed is stepped by its size and
// the sign put back: the same distance the frame time gives.
inline float SignedStep(float speed)
{
    int32_t rate = static_cast<int32_t>(speed);
    if (rate < 0)
        return -FrameStepClamped(-rate);
    return FrameStepClamped(rate);
}
