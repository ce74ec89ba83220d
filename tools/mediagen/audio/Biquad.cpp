// Filter coefficients after the well-known audio cookbook formulas.
#include "Biquad.h"

#include <algorithm>
#include <cmath>

namespace mediagen {
namespace {
constexpr double kPi = 3.141592653589793;
}

Biquad::Biquad(Kind kind, int sampleRate, double frequency, double q, double gainDb) : mKind(kind), mRate(sampleRate)
{
    Set(frequency, q, gainDb);
}

void Biquad::Set(double frequency, double q, double gainDb)
{
    const double f = std::clamp(frequency, 5.0, mRate * 0.49);
    const double w0 = 2.0 * kPi * f / mRate;
    const double cosw = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * std::max(q, 0.05));
    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
    switch (mKind) {
    case Kind::LowPass:
        b0 = (1 - cosw) / 2;
        b1 = 1 - cosw;
        b2 = (1 - cosw) / 2;
        a0 = 1 + alpha;
        a1 = -2 * cosw;
        a2 = 1 - alpha;
        break;
    case Kind::HighPass:
        b0 = (1 + cosw) / 2;
        b1 = -(1 + cosw);
        b2 = (1 + cosw) / 2;
        a0 = 1 + alpha;
        a1 = -2 * cosw;
        a2 = 1 - alpha;
        break;
    case Kind::BandPass:  // peak gain 1 at the centre
        b0 = alpha;
        b1 = 0;
        b2 = -alpha;
        a0 = 1 + alpha;
        a1 = -2 * cosw;
        a2 = 1 - alpha;
        break;
    case Kind::Peak: {
        const double a = std::pow(10.0, gainDb / 40.0);
        b0 = 1 + alpha * a;
        b1 = -2 * cosw;
        b2 = 1 - alpha * a;
        a0 = 1 + alpha / a;
        a1 = -2 * cosw;
        a2 = 1 - alpha / a;
        break;
    }
    }
    mB0 = b0 / a0;
    mB1 = b1 / a0;
    mB2 = b2 / a0;
    mA1 = a1 / a0;
    mA2 = a2 / a0;
}

float Biquad::Process(float input)
{
    const double y = mB0 * input + mB1 * mX1 + mB2 * mX2 - mA1 * mY1 - mA2 * mY2;
    mX2 = mX1;
    mX1 = input;
    mY2 = mY1;
    mY1 = y;
    return static_cast<float>(y);
}


}  // namespace mediagen
