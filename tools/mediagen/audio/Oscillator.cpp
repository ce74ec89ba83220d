// Band-limited oscillators (polynomial band-limited steps) so high notes do not alias into whistles.
#include "Oscillator.h"

#include <cmath>

#include "FastSine.h"

namespace mediagen {
namespace {

// Correction that rounds off a step discontinuity over the samples next to it.
double PolyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Wrap(double phase)
{
    return phase - std::floor(phase);
}

}  // namespace

Oscillator::Oscillator(Wave wave, int sampleRate, double startPhase)
    : mWave(wave), mRate(sampleRate), mPhase(Wrap(startPhase))
{
}

float Oscillator::Next(double frequency)
{
    const double dt = std::fabs(frequency) / mRate;
    double value = 0.0;
    switch (mWave) {
    case Wave::Sine:
        value = FastSine::OfCycles(mPhase);
        break;
    case Wave::Saw:
        value = 2.0 * mPhase - 1.0 - PolyBlep(mPhase, dt);
        break;
    case Wave::Triangle:
        // Its overtones fall fast enough that the plain shape does not alias audibly.
        value = 1.0 - 4.0 * std::fabs(mPhase - 0.5);
        break;
    case Wave::Square:
        value = (mPhase < 0.5 ? 1.0 : -1.0) + PolyBlep(mPhase, dt) - PolyBlep(Wrap(mPhase + 0.5), dt);
        break;
    case Wave::Pulse25:
        value = (mPhase < 0.25 ? 1.0 : -1.0) + PolyBlep(mPhase, dt) - PolyBlep(Wrap(mPhase + 0.75), dt);
        value += 0.5;  // keeps the narrow pulse centred on zero
        break;
    }
    mPhase = Wrap(mPhase + frequency / mRate);
    return static_cast<float>(value);
}

}  // namespace mediagen
