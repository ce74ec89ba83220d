// A one-pole low-pass: the cheapest smoother, for per-note work.
#pragma once

namespace mediagen {

class OnePole {
public:
    OnePole(int sampleRate, double cutoff);
    void Set(double cutoff);
    float LowPass(float input);

private:
    double mRate;
    double mA = 0.0;
    double mState = 0.0;
};

}  // namespace mediagen
