// A second-order filter section (low-pass, high-pass, band-pass, peak) whose settings may change while it runs.
#pragma once

namespace mediagen {

class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass, Peak };

    Biquad(Kind kind, int sampleRate, double frequency, double q, double gainDb = 0.0);
    void Set(double frequency, double q, double gainDb = 0.0);
    float Process(float input);

private:
    Kind mKind;
    double mRate;
    double mB0 = 1, mB1 = 0, mB2 = 0, mA1 = 0, mA2 = 0;
    double mX1 = 0, mX2 = 0, mY1 = 0, mY2 = 0;
};

}  // namespace mediagen
