// Percussion voices built from decaying partials and filtered noise.
#include "Percussion.h"

#include <algorithm>
#include <cmath>

#include "Biquad.h"
#include "Envelope.h"
#include "Noise.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

void AddPartial(AudioBuffer& out, std::size_t start, double frequency, double amplitude, double sixtyDb, double phase)
{
    if (frequency >= out.SampleRate() * 0.45)
        return;
    // A damped sine by recurrence, stopped once it has fallen 60 dB.
    const double rate = out.SampleRate();
    const double step = kTwoPi * frequency / rate;
    const double decay = std::exp(-6.907755 / (sixtyDb * rate));
    const double k = 2.0 * std::cos(step) * decay;
    double y1 = std::sin(phase - step) / decay;
    double y2 = std::sin(phase - 2.0 * step) / (decay * decay);
    const std::size_t end = std::min(out.Size(), start + static_cast<std::size_t>(sixtyDb * rate));
    const double attackSamples = 0.0008 * rate;
    for (std::size_t i = start; i < end; ++i) {
        const double y = k * y1 - decay * decay * y2;
        y2 = y1;
        y1 = y;
        const double n = static_cast<double>(i - start);
        out[i] += static_cast<float>(amplitude * std::min(1.0, n / attackSamples) * y);
    }
}

void AddNoiseBurst(AudioBuffer& out, std::size_t start, Biquad filter, double amplitude, double sixtyDb, Noise& noise)
{
    const double decay = std::exp(-6.907755 / (sixtyDb * out.SampleRate()));
    const std::size_t end = std::min(out.Size(), start + static_cast<std::size_t>(sixtyDb * out.SampleRate()));
    double level = amplitude;
    for (std::size_t i = start; i < end; ++i) {
        out[i] += static_cast<float>(filter.Process(noise.White()) * level);
        level *= decay;
    }
}

}  // namespace

AudioBuffer SleighBellShake(int sampleRate, float velocity, std::uint32_t seed, int bells, double spread)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, 0.42 + spread);
    Noise noise(seed);
    for (int b = 0; b < bells; ++b) {
        const std::size_t start = out.IndexAt(spread * std::pow(noise.Uniform(), 1.6));
        const double base = noise.Between(2600.0, 6200.0) * (sampleRate < 30000 ? 0.75 : 1.0);
        const double level = noise.Between(0.35, 1.0);
        const double ring = noise.Between(0.12, 0.3);
        AddPartial(out, start, base, level, ring, noise.Uniform() * kTwoPi);
        AddPartial(out, start, base * 1.51, level * 0.55, ring * 0.7, noise.Uniform() * kTwoPi);
        AddPartial(out, start, base * 2.33, level * 0.3, ring * 0.5, noise.Uniform() * kTwoPi);
    }
    AddNoiseBurst(out, 0, Biquad(Biquad::Kind::HighPass, sampleRate, std::min(6000.0, sampleRate * 0.3), 0.7), 0.5, 0.06,
                  noise);
    out.Scale(velocity / std::sqrt(static_cast<float>(bells)));
    out.FadeOut(0.03);
    return out;
}

AudioBuffer PlayDrum(Drum drum, int sampleRate, float velocity, std::uint32_t seed)
{
    Noise noise(seed);
    switch (drum) {
    case Drum::SleighBells:
        return SleighBellShake(sampleRate, velocity, seed, 9, 0.03);
    case Drum::Kick: {
        AudioBuffer out = AudioBuffer::Seconds(sampleRate, 0.4);
        double phase = 0.0;
        for (std::size_t i = 0; i < out.Size(); ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            const double f = 48.0 + 95.0 * std::exp(-t / 0.03);
            phase += kTwoPi * f / sampleRate;
            out[i] = static_cast<float>(std::sin(phase) * std::min(1.0, t / 0.002) * DecayCurve(t, 0.38));
        }
        AddNoiseBurst(out, 0, Biquad(Biquad::Kind::LowPass, sampleRate, 2500.0, 0.7), 0.15, 0.012, noise);
        out.FadeOut(0.02);
        out.Scale(velocity);
        return out;
    }
    case Drum::Brush: {
        AudioBuffer out = AudioBuffer::Seconds(sampleRate, 0.3);
        AddNoiseBurst(out, 0, Biquad(Biquad::Kind::BandPass, sampleRate, 2600.0, 0.6), 1.0, 0.22, noise);
        AddPartial(out, 0, 190.0, 0.25, 0.09, 0.0);
        out.FadeOut(0.02);
        out.Scale(velocity);
        return out;
    }
    case Drum::WoodBlock:
    case Drum::WoodBlockLow: {
        const double f = drum == Drum::WoodBlock ? 1150.0 : 820.0;
        AudioBuffer out = AudioBuffer::Seconds(sampleRate, 0.15);
        AddPartial(out, 0, f, 1.0, 0.07, 0.0);
        AddPartial(out, 0, f * 2.72, 0.35, 0.03, 0.0);
        AddNoiseBurst(out, 0, Biquad(Biquad::Kind::BandPass, sampleRate, f * 2.0, 1.0), 0.4, 0.01, noise);
        out.FadeOut(0.01);
        out.Scale(velocity);
        return out;
    }
    case Drum::Triangle: {
        AudioBuffer out = AudioBuffer::Seconds(sampleRate, 1.6);
        const double f = 1560.0;
        const double ratios[5] = {1.0, 2.92, 4.17, 5.77, 7.45};
        for (int k = 0; k < 5; ++k)
            AddPartial(out, 0, f * ratios[k], 1.0 / (k + 1), 1.5 / (1 + 0.3 * k), noise.Uniform() * kTwoPi);
        out.FadeOut(0.1);
        out.Scale(velocity * 0.5f);
        return out;
    }
    case Drum::Shaker: {
        AudioBuffer out = AudioBuffer::Seconds(sampleRate, 0.12);
        Biquad high(Biquad::Kind::HighPass, sampleRate, std::min(5500.0, sampleRate * 0.3), 0.7);
        for (std::size_t i = 0; i < out.Size(); ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            const double env = std::min(1.0, t / 0.015) * DecayCurve(t, 0.09);
            out[i] = static_cast<float>(high.Process(noise.White()) * env);
        }
        out.Scale(velocity);
        return out;
    }
    }
    return AudioBuffer(sampleRate);
}

}  // namespace mediagen
