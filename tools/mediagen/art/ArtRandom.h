// A small fixed-seed random generator for scattering stars, flakes and houses the same way every run.
#pragma once

#include <cstdint>

namespace mediagen {

class ArtRandom {
public:
    explicit ArtRandom(uint32_t seed) : mState(seed) {}

    // 0 <= result < 1
    double Unit()
    {
        mState = mState * 1664525u + 1013904223u;
        return (mState >> 8) / double(1u << 24);
    }
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    int Below(int n) { return int(Unit() * n); }

private:
    uint32_t mState;
};

} // namespace mediagen
