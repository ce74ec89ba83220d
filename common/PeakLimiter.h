// Keeps the mixed sound inside full scale: where a sound and the music peak together the level is turned down, never clipped.
#pragma once

#include <vector>

class PeakLimiter {
public:
    // threshold: the highest level let through (1.0 = full scale);
    // releaseSeconds: how quickly the level comes back after a peak.
    PeakLimiter(int sampleRate, float threshold = 0.9f, float releaseSeconds = 0.15f, int maxChannels = 8);

    // Processes interleaved float frames in place, LatencyFrames() late. The
    // level is brought down smoothly before a frame that would go over the
    // threshold comes out (all channels alike, so the stereo picture stays),
    // held while loud frames follow, and let back up slowly; a signal that
    // never reaches the threshold comes out unchanged.
    void Process(float* samples, int frames, int channels);

    int LatencyFrames() const { return mLookAhead; }
    float Gain() const { return mGain; }

private:
    float mThreshold;
    float mRelease;
    int mLookAhead;
    int mMaxChannels;
    std::vector<float> mDelay; // mLookAhead frames of mMaxChannels samples
    int mPosition = 0;
    float mGain = 1.0f;
    float mTarget = 1.0f;
    float mStep = 0.0f;
    int mHold = 0;
};

