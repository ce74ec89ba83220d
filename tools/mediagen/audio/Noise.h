// A seeded noise source, so every generated sound is the same on every run.
#pragma once

#include <cstdint>

namespace mediagen {

class Noise {
public:
    explicit Noise(std::uint32_t seed);
    float White();              // -1..1, flat spectrum
    float Pink();               // softer, falls about 3 dB an octave
    double Uniform();           // 0..1
    int Below(int bound);       // 0..bound-1
    double Between(double low, double high);

private:
    std::uint64_t mState;
    double mPink[3] = {0.0, 0.0, 0.0};
};

}  // namespace mediagen
