// Folding and cross-fading loops.
#include "LoopBuilder.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

namespace mediagen {

AudioBuffer FoldIntoLoop(const AudioBuffer& rendered, std::size_t period)
{
    AudioBuffer loop(rendered.SampleRate(), period);
    if (period == 0)
        return loop;
    for (std::size_t i = 0; i < rendered.Size(); ++i)
        loop[i % period] += rendered[i];
    return loop;
}


double SnapToPeriod(double frequency, int sampleRate, std::size_t period)
{
    if (period == 0)
        return frequency;
    const double seconds = static_cast<double>(period) / sampleRate;
    return std::max(1.0, std::round(frequency * seconds)) / seconds;
}

AudioBuffer SettleIntoLoop(const AudioBuffer& onePeriod, const std::function<void(AudioBuffer&)>& process)
{
    constexpr int kRounds = 4;
    const std::size_t period = onePeriod.Size();
    AudioBuffer repeated(onePeriod.SampleRate(), period * kRounds);
    for (std::size_t i = 0; i < repeated.Size(); ++i)
        repeated[i] = onePeriod[i % period];
    process(repeated);
    AudioBuffer loop(onePeriod.SampleRate(), period);
    for (std::size_t i = 0; i < period && (kRounds - 1) * period + i < repeated.Size(); ++i)
        loop[i] = repeated[(kRounds - 1) * period + i];
    return loop;
}

AudioBuffer PeriodicNoise(int sampleRate, std::size_t period, std::uint32_t seed, bool pink)
{
    // Two passes of the pink filter: the second starts from where the first ended, so the
    // filtered noise is already in its steady state and the period's end meets its start.
    Noise noise(seed);
    std::vector<float> white(period);
    for (float& w : white)
        w = noise.White();
    AudioBuffer out(sampleRate, period);
    if (!pink) {
        for (std::size_t i = 0; i < period; ++i)
            out[i] = white[i];
        return out;
    }
    double b0 = 0.0, b1 = 0.0, b2 = 0.0;
    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t i = 0; i < period; ++i) {
            b0 = 0.99765 * b0 + white[i] * 0.0990460;
            b1 = 0.96300 * b1 + white[i] * 0.2965164;
            b2 = 0.57000 * b2 + white[i] * 1.0526913;
            out[i] = static_cast<float>((b0 + b1 + b2 + white[i] * 0.1848) * 0.6);
        }
    }
    return out;
}

}  // namespace mediagen
