// The waving parent.
#include "AzSineWave.h"

#include <cmath>

namespace {
constexpr int32_t kStepRate = 200; // phase units of 5 ms
constexpr float kPhaseLimit = 100.0f;
constexpr int32_t kPixelsPerStep = 30;
constexpr double kAmplitude = 10.0;
}

AzSineWave::AzSineWave(FrameStepFunction frameStep) : mFrameStep(frameStep)
{
}

AzPoint AzSineWave::Translate(int32_t x, int32_t y)
{
    if (mFrameStep)
        mPhase += mFrameStep(kStepRate);
    // The ripple jumps once every hundred phase units rather than letting the
    // phase grow until the float loses its fraction.
    if (mPhase > kPhaseLimit || mPhase < 0.0f)
        mPhase = 0.0f;
    const float angle = static_cast<float>(x / kPixelsPerStep) + mPhase;
    const int32_t offset = static_cast<int32_t>(std::sin(static_cast<double>(angle)) * kAmplitude);
    return {x, y + offset};
}
