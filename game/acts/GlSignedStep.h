// Movement of the acts' actors by a speed in pixels a second that may be negative.
#pragma once

#include "GlFrameTiming.h"

#include <algorithm>
#include <cstdint>

// FrameStepClamped of the speed truncated to whole pixels a second. Speeds are floats that
// keep growing while something falls, so they are held inside int32 before the truncation.
inline float SignedStep(float speed)
{
    const float limit = 2.0e9f;
    return FrameStepClamped(static_cast<int32_t>(std::clamp(speed, -limit, limit)));
}
