// The frame-rate overlay's ring of intervals.
#include "GlFrameRateMeter.h"

void GlFrameRateMeter::Reset()
{
    for (int32_t& interval : mIntervals)
        interval = 0;
    mWriteIndex = 0;
    mPreviousTime = 0;
}

void GlFrameRateMeter::Record(uint32_t frameTime)
{
    mIntervals[mWriteIndex] = static_cast<int32_t>(frameTime - mPreviousTime);
    mPreviousTime = frameTime;
    mWriteIndex = (mWriteIndex + 1) % kRingSize;
}

int32_t GlFrameRateMeter::FramesPerSecond() const
{
    float sum = 0.0f;
    for (int32_t interval : mIntervals)
        sum += static_cast<float>(interval);
    if (sum == 0.0f)
        return 0; // the very first frame: nothing measured yet
    return static_cast<int32_t>(10000.0f / sum + 0.5f);
}
