// The frame-rate overlay's arithmetic: the last ten frame intervals.
#pragma once

#include <cstdint>

class GlFrameRateMeter {
public:
    void Reset();
    void Record(uint32_t frameTime);
    // 10000 / (sum of the ten intervals), rounded. The ring starts with zeros
    // and a previous time of 0, so the first ten frames show nonsense; kept,
    // since the overlay is a developer's tool and settles by itself.
    int32_t FramesPerSecond() const;

private:
    static constexpr int kRingSize = 10;
    int32_t mIntervals[kRingSize] = {};
    int mWriteIndex = 0;
    uint32_t mPreviousTime = 0;
};
