// One-pole filter coefficients from the cutoff.
#include "OnePole.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

OnePole::OnePole(int sampleRate, double cutoff) : mRate(sampleRate)
{
    Set(cutoff);
}

void OnePole::Set(double cutoff)
{
    mA = 1.0 - std::exp(-2.0 * 3.141592653589793 * std::clamp(cutoff, 1.0, mRate * 0.49) / mRate);
}

float OnePole::LowPass(float input)
{
    mState += mA * (input - mState);
    return static_cast<float>(mState);
}

}  // namespace mediagen
