// Sounds of the city globe: the space around it, turning it, moving between cities, and Glimmer's remarks.
#include <cmath>

#include "SoundCatalog.h"
#include "SoundKit.h"
#include "audio/Biquad.h"
#include "audio/Effects.h"
#include "audio/EffectKit.h"
#include "audio/LoopBuilder.h"
#include "audio/Noise.h"
#include "audio/Reverb.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// The highlight jumps to an arrow: a wooden tock with a short rising blip.
AudioBuffer ArrowMove(int rate)
{
    AudioBuffer out = RenderTone(rate, 0.14, Wave::Triangle, Glide(600.0, 950.0, 0.07), Hit(0.001, 0.1));
    out.MixIn(RenderTone(rate, 0.05, Wave::Sine, Constant(1250.0), Hit(0.0005, 0.03)), 0.0, 0.6f);
    return out;
}

// The highlight arrives at a city: a soft twinkle.
AudioBuffer CitySelect(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Celesta, rate, 900.0, "E6:1 B6:3", 1000);
    out.MixIn(Sparkle(rate, 0.3, 1001, 4, 4000.0, 8000.0), 0.02, 0.12f);
    out.Resize(out.IndexAt(0.45));
    out.FadeOut(0.12);
    return out;
}

// The quiet of space around the globe: a shimmering chord that breathes slowly, with far-off twinkles.
AudioBuffer SpaceLoop(int rate)
{
    const std::size_t period = static_cast<std::size_t>(rate) * 4;
    const double notes[5] = {57, 64, 69, 73, 76};  // A, E, A, C sharp, E
    const double breath[5] = {0.25, 0.5, 0.75, 0.25, 0.5};  // whole cycles in four seconds
    AudioBuffer source(rate, period);
    Noise noise(1010);
    for (int k = 0; k < 5; ++k) {
        const double f = SnapToPeriod(MidiToFrequency(notes[k]), rate, period);
        const double twin = SnapToPeriod(f * 1.003, rate, period);  // a slow beat between two voices
        const double phase = noise.Uniform() * kTwoPi;
        for (std::size_t i = 0; i < period; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double swell = 0.6 + 0.4 * std::sin(kTwoPi * breath[k] * t + phase);
            source[i] += static_cast<float>((std::sin(kTwoPi * f * t) + 0.7 * std::sin(kTwoPi * twin * t + phase)) * swell * 0.12);
        }
    }
    source.MixInAt(FoldIntoLoop(Sparkle(rate, 4.5, 1011, 10, 2500.0, 7000.0), period), 0, 0.12f);
    AudioBuffer air = PeriodicNoise(rate, period, 1012, true);
    air.Scale(0.08f);
    source.MixInAt(air, 0);
    return SettleIntoLoop(source, [rate](AudioBuffer& b) {
        Biquad soft(Biquad::Kind::LowPass, rate, 6000.0, 0.7);
        ApplyFilter(b, soft);
        Reverb space(rate, 0.85, 0.3);
        space.ProcessMono(b, 0.35f, 0.0);
    });
}

// The globe turns: a whoosh with a ratchet that speeds up and slows down.
AudioBuffer GlobeSpin(int rate)
{
    const double seconds = 0.65;
    AudioBuffer out = Whoosh(rate, seconds, 1020, 400.0, 2600.0);
    double phase = 0.0;
    for (double t = 0.0; t < seconds - 0.05; t += 1.0 / rate) {
        phase += (10.0 + 30.0 * std::sin(3.14159 * t / seconds)) / rate;
        if (phase >= 1.0) {
            phase -= 1.0;
            out.MixIn(RenderTone(rate, 0.02, Wave::Sine, Constant(2100.0), Hit(0.0003, 0.015)), t, 0.25f);
        }
    }
    return out;
}

}  // namespace

std::vector<SoundRecipe> NavigationSounds()
{
    return {
        {"navig\\space.wav", 22050, 16, true, 0.45f, SpaceLoop},
        {"navig\\northpole01.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Back to the North Pole!", GlimmerVoice(), rate); }},
        {"navig\\glim01.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Where shall we fly next?", GlimmerVoice(), rate); }},
        {"navig\\glim03.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Oh no, we're out of presents! Back to the workshop!", GlimmerVoice(), rate); }},
        {"navig\\select.wav", 22050, 16, false, 0.89f, CitySelect},
        {"navig\\arrow.wav", 22050, 8, false, 0.89f, ArrowMove},
        {"navig\\spin.wav", 22050, 8, false, 0.89f, GlobeSpin},
    };
}

}  // namespace mediagen
