// A look-ahead peak limiter: the gain ramps down over the look-ahead, holds, then recovers exponentially.
#include "PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kLookAheadSeconds = 0.002f;
} // namespace

PeakLimiter::PeakLimiter(int sampleRate, float threshold, float releaseSeconds, int maxChannels)
    : mThreshold(threshold > 0.0f ? threshold : 1.0f),
      mRelease(1.0f - std::exp(-1.0f / (std::max(1, sampleRate) * std::max(0.001f, releaseSeconds)))),
      mLookAhead(std::max(1, static_cast<int>(std::max(1, sampleRate) * kLookAheadSeconds))),
      mMaxChannels(std::max(1, maxChannels)),
      mDelay(static_cast<size_t>(mLookAhead) * mMaxChannels, 0.0f)
{
}

void PeakLimiter::Process(float* samples, int frames, int channels)
{
    if (!samples || frames <= 0 || channels <= 0 || channels > mMaxChannels)
        return;
    for (int frame = 0; frame < frames; ++frame) {
        float* at = samples + static_cast<long>(frame) * channels;
        float* delayed = mDelay.data() + static_cast<size_t>(mPosition) * mMaxChannels;

        float peak = 0.0f;
        for (int c = 0; c < channels; ++c)
            peak = std::max(peak, std::fabs(at[c]));
        if (peak > mThreshold) {
            const float need = mThreshold / peak;
            // The ramp keeps the steepest slope any frame in the delay line
            // asked for, so each one's level is reached before it comes out.
            if (need < mTarget) {
                mTarget = need;
                mStep = std::max(mStep, (mGain - need) / static_cast<float>(mLookAhead));
            }
            // Recovery waits until every loud frame has left the delay line.
            mHold = mLookAhead;
        }

        if (mGain > mTarget) {
            // A step too small to change a float would never arrive.
            const float next = mGain - mStep;
            mGain = next <= mTarget || next >= mGain ? mTarget : next;
            if (mGain == mTarget)
                mStep = 0.0f;
        } else if (mHold > 0) {
            --mHold;
        } else {
            mTarget = 1.0f;
            mGain += (1.0f - mGain) * mRelease;
            if (1.0f - mGain < 1e-4f)
                mGain = 1.0f;
        }

        for (int c = 0; c < channels; ++c) {
            const float in = at[c];
            at[c] = delayed[c] * mGain;
            delayed[c] = in;
        }
        mPosition = (mPosition + 1) % mLookAhead;
    }
}

