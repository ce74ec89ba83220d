// Frame steps from the time stamp of the last present, so all calls of one frame agree.
#include "GlFrameTiming.h"

#include "VlHost.h"
#include "lrDisplay.h"

namespace {

struct StepState {
    uint32_t previousTime = 0; // 0: not started
    int32_t lastInterval = 0;
};

StepState gFrameStepState;
StepState gFrameStepClampedState;

// Moves the state on when the frame time changed; answers the interval in ms,
// or -1 on the very first call.
int32_t AdvanceInterval(StepState& state, int32_t maximumInterval)
{
    uint32_t frameTime = 0;
    lrGetFlipTime(&frameTime);
    if (state.previousTime == 0) {
        state.previousTime = frameTime;
        return -1;
    }
    if (frameTime != state.previousTime) {
        int32_t interval = static_cast<int32_t>(frameTime - state.previousTime);
        state.previousTime = frameTime;
        if (interval < 0)
            interval = 0;
        if (maximumInterval > 0 && interval > maximumInterval)
            interval = maximumInterval;
        state.lastInterval = interval;
    }
    return state.lastInterval;
}

} // namespace

float FrameStep(int32_t rate, bool clamp)
{
    int32_t interval = AdvanceInterval(gFrameStepState, 0);
    // A negative rate is a movement the other way (a snowball blown upward); only 0 means none.
    if (interval <= 0 || rate == 0)
        return 0.0f;
    float step = static_cast<float>(interval) / (1000.0f / static_cast<float>(rate));
    if (clamp && step > 1.0f)
        return 1.0f;
    return step;
}

float FrameStepClamped(int32_t rate)
{
    int32_t interval = AdvanceInterval(gFrameStepClampedState, 100);
    // A negative rate is a movement the other way (a snowball blown upward); only 0 means none.
    if (interval <= 0 || rate == 0)
        return 0.0f;
    return static_cast<float>(interval) / (1000.0f / static_cast<float>(rate));
}

int32_t AnimFrameIndex(int32_t count, int32_t framesPerSecond, uint32_t startTime)
{
    if (count <= 0 || framesPerSecond <= 0)
        return 0;
    int32_t msPerFrame = 1000 / framesPerSecond;
    if (msPerFrame <= 0)
        msPerFrame = 1;
    uint32_t frameTime = 0;
    lrGetFlipTime(&frameTime);
    int32_t elapsed = static_cast<int32_t>(frameTime - startTime);
    int32_t index = (elapsed / msPerFrame) % count;
    // A start time in the future (a screen that stamped the real clock) must
    // still pick an existing frame.
    return index < 0 ? index + count : index;
}

bool IsKeyDown(int virtualKey)
{
    Vl::KeyState* keys = Vl::GetHost().keys;
    return keys != nullptr && keys->IsDown(virtualKey);
}

void GlResetFrameTiming()
{
    gFrameStepState = StepState();
    gFrameStepClampedState = StepState();
}
