// Effect building blocks from filtered noise, damped resonances and shaped oscillators.
#include "EffectKit.h"

#include <algorithm>
#include <cmath>

#include "Biquad.h"
#include "Effects.h"
#include "Envelope.h"
#include "Noise.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// A slow random wobble from -1 to 1, the sum of a few sines with seeded rates and phases.
struct Wander {
    Wander(std::uint32_t seed, double fastest)
    {
        Noise n(seed);
        for (int i = 0; i < 3; ++i) {
            rates[i] = fastest * n.Between(0.25, 1.0) / (i + 1);
            phases[i] = n.Uniform() * kTwoPi;
        }
    }
    double At(double t) const
    {
        return (std::sin(kTwoPi * rates[0] * t + phases[0]) + 0.6 * std::sin(kTwoPi * rates[1] * t + phases[1]) +
                0.4 * std::sin(kTwoPi * rates[2] * t + phases[2])) /
               2.0;
    }
    double rates[3];
    double phases[3];
};

}  // namespace

AudioBuffer Wind(int sampleRate, double seconds, std::uint32_t seed, double centreHz, double gustiness, double whistle)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    const Wander band(seed + 1, 0.35);
    const Wander gusts(seed + 2, 0.5);
    const Wander tune(seed + 3, 0.2);
    Biquad body(Biquad::Kind::BandPass, sampleRate, centreHz, 0.9);
    Biquad edge(Biquad::Kind::BandPass, sampleRate, centreHz * 3.0, 9.0);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        if (i % 32 == 0) {
            body.Set(centreHz * std::pow(2.0, 0.8 * band.At(t)), 0.9);
            edge.Set(centreHz * 3.0 * std::pow(2.0, 0.5 * tune.At(t)), 9.0);
        }
        const double level = 1.0 - gustiness * 0.5 * (1.0 - gusts.At(t));
        const float pink = noise.Pink();
        const double s = body.Process(pink) + whistle * edge.Process(noise.White()) * (0.5 + 0.5 * gusts.At(t));
        out[i] = static_cast<float>(s * level);
    }
    out.FadeIn(std::min(0.6, seconds * 0.2));
    out.FadeOut(std::min(0.8, seconds * 0.25));
    return out;
}

AudioBuffer Whoosh(int sampleRate, double seconds, std::uint32_t seed, double lowHz, double highHz)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    Biquad band(Biquad::Kind::BandPass, sampleRate, lowHz, 1.4);
    const double peakAt = 0.4;
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double x = static_cast<double>(i) / out.Size();
        const double rise = x < peakAt ? x / peakAt : (1.0 - x) / (1.0 - peakAt);
        if (i % 16 == 0)
            band.Set(lowHz * std::pow(highHz / lowHz, rise), 1.4);
        out[i] = static_cast<float>(band.Process(noise.White()) * std::pow(std::sin(3.14159265 * rise * 0.5), 2.0));
    }
    return out;
}

AudioBuffer Thunder(int sampleRate, double seconds, std::uint32_t seed, double crackle)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    // The crack: a hard burst of bright noise with a spray of sharp clicks, then a tearing mid band.
    Biquad bright(Biquad::Kind::HighPass, sampleRate, 900.0, 0.7);
    Biquad tear(Biquad::Kind::BandPass, sampleRate, 700.0, 0.6);
    const std::size_t crackLength = std::min(out.Size(), out.IndexAt(0.9));
    for (std::size_t i = 0; i < crackLength; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double s = bright.Process(noise.White()) * DecayCurve(t, 0.25) * 0.9;
        s += tear.Process(noise.White()) * DecayCurve(t, 0.8) * 1.2;
        if (noise.Uniform() < crackle * 0.03 * DecayCurve(t, 0.4))
            s += noise.White() * 1.5;
        out[i] += static_cast<float>(s);
    }
    // The rumble: low noise rolling in a few swells that fade away.
    Biquad low(Biquad::Kind::LowPass, sampleRate, 320.0, 0.8);
    Biquad low2(Biquad::Kind::LowPass, sampleRate, 420.0, 0.7);
    std::vector<double> rolls;
    for (int k = 0; k < 5; ++k)
        rolls.push_back(0.15 + noise.Uniform() * seconds * 0.6);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double swell = 0.0;
        for (double r : rolls) {
            const double d = (t - r) / 0.4;
            swell += std::exp(-d * d) * 0.8;
        }
        const double body = std::min(1.0, t / 0.04) * DecayCurve(t, seconds * 1.1) * (0.6 + swell);
        out[i] += static_cast<float>(low2.Process(low.Process(noise.White())) * body * 5.0);
    }
    // Thunder is felt more than heard: squeeze the peaks so the rumble carries.
    out.NormalizePeak(1.0f);
    Saturate(out, 2.5f);
    out.FadeOut(std::min(0.5, seconds * 0.2));
    return out;
}

AudioBuffer Splat(int sampleRate, std::uint32_t seed, double size)
{
    const double seconds = 0.35 + 0.15 * size;
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    Biquad wet(Biquad::Kind::LowPass, sampleRate, 3000.0, 2.5);
    double thumpPhase = 0.0;
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        if (i % 16 == 0)
            wet.Set(3500.0 * std::exp(-t / 0.06) + 350.0, 2.5);
        const double squelch = wet.Process(noise.White()) * std::min(1.0, t / 0.004) * DecayCurve(t, 0.22);
        thumpPhase += kTwoPi * (70.0 + 90.0 * std::exp(-t / 0.02)) / sampleRate;
        const double thump = std::sin(thumpPhase) * DecayCurve(t, 0.12) * 0.8 * size;
        out[i] = static_cast<float>(squelch + thump);
    }
    for (int d = 0; d < 3; ++d) {
        const double start = 0.06 + noise.Uniform() * (seconds - 0.15);
        out.MixIn(Bubble(sampleRate, noise.Between(700.0, 1300.0), 0.04), start, 0.25f);
    }
    return out;
}

AudioBuffer EngineStroke(int sampleRate, double resonanceHz, double brightness, std::uint32_t seed)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, 0.06);
    Noise noise(seed);
    Biquad rasp(Biquad::Kind::BandPass, sampleRate, resonanceHz * 6.0, 1.2);
    const double step = kTwoPi * resonanceHz / sampleRate;
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        // The bang of the stroke gives the engine its buzz; the exhaust pipe rings after it.
        const double bang = std::exp(-t / 0.0025) * (0.6 + 0.6 * brightness);
        const double pop = std::sin(step * i) * DecayCurve(t, 0.03);
        const double grit = rasp.Process(noise.White()) * DecayCurve(t, 0.012) * brightness * 0.5;
        out[i] = static_cast<float>((bang + pop + grit) * std::min(1.0, t / 0.0008));
    }
    out.FadeOut(0.005);
    return out;
}

AudioBuffer EngineRun(int sampleRate, const std::vector<double>& times, const std::vector<float>& levels,
                      double resonanceHz, double brightness, std::uint32_t seed)
{
    AudioBuffer out(sampleRate);
    for (std::size_t k = 0; k < times.size(); ++k) {
        const float level = levels.empty() ? 1.0f : levels[k % levels.size()];
        out.MixIn(EngineStroke(sampleRate, resonanceHz, brightness, seed + static_cast<std::uint32_t>(k)), times[k], level);
    }
    return out;
}

AudioBuffer Honk(int sampleRate, double seconds, const Curve& pitch, std::uint32_t seed, double formantShift)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    Oscillator reed(Wave::Pulse25, sampleRate);
    Biquad f1(Biquad::Kind::BandPass, sampleRate, 750.0 * formantShift, 4.0);
    Biquad f2(Biquad::Kind::BandPass, sampleRate, 1250.0 * formantShift, 5.0);
    Biquad f3(Biquad::Kind::BandPass, sampleRate, 2600.0 * formantShift, 6.0);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double source = reed.Next(pitch(t) * (1.0 + 0.015 * noise.White())) + 0.15 * noise.White();
        const double s = f1.Process(static_cast<float>(source)) + 0.8 * f2.Process(static_cast<float>(source)) +
                         0.35 * f3.Process(static_cast<float>(source));
        out[i] = static_cast<float>(s);
    }
    Saturate(out, 2.0f);
    return out;
}

AudioBuffer Sparkle(int sampleRate, double seconds, std::uint32_t seed, int pings, double lowHz, double highHz)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    const double top = std::min(highHz, sampleRate * 0.42);
    for (int p = 0; p < pings; ++p) {
        const double start = noise.Uniform() * std::max(0.0, seconds - 0.25);
        const double f = lowHz * std::pow(top / lowHz, noise.Uniform());
        const double level = noise.Between(0.3, 1.0);
        AudioBuffer ping = RenderTone(sampleRate, 0.25, Wave::Sine, Constant(f), Hit(0.001, 0.2), noise.Uniform());
        out.MixIn(ping, start, static_cast<float>(level));
    }
    return out;
}

AudioBuffer Bubble(int sampleRate, double startHz, double seconds)
{
    return RenderTone(sampleRate, seconds, Wave::Sine, Glide(startHz, startHz * 2.2, seconds),
                      [seconds](double t) { return std::sin(3.14159265 * std::min(1.0, t / seconds)); });
}

AudioBuffer Crackle(int sampleRate, double seconds, std::uint32_t seed, double buzzHz)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    Oscillator buzz(Wave::Saw, sampleRate);
    Oscillator buzz2(Wave::Square, sampleRate);
    Biquad hiss(Biquad::Kind::HighPass, sampleRate, 2000.0, 0.7);
    double burst = 0.0;
    for (std::size_t i = 0; i < out.Size(); ++i) {
        if (noise.Uniform() < 0.004)
            burst = noise.Between(0.5, 1.0);
        burst *= 0.9985;
        const double f = buzzHz * (1.0 + 0.05 * noise.White());
        const double s = 0.45 * buzz.Next(f) + 0.25 * buzz2.Next(f * 1.503) + burst * hiss.Process(noise.White()) * 1.3;
        out[i] = static_cast<float>(s);
    }
    return out;
}

}  // namespace mediagen
