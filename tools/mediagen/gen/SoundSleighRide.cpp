// Sounds of the sleigh ride: the sleigh in flight, the house that waits, and the hazards.
#include <cmath>

#include "SoundCatalog.h"
#include "SoundKit.h"
#include "audio/Biquad.h"
#include "audio/Effects.h"
#include "audio/EffectKit.h"
#include "audio/LoopBuilder.h"
#include "audio/Noise.h"
#include "audio/Percussion.h"
#include "audio/Reverb.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// The house that waits for the gift: a friendly three-note call that repeats while it is in view.
AudioBuffer HouseCall(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Celesta, rate, 260.0, "G5:1 C6 E6:3", 1100);
    out.MixIn(PlayTune(Instrument::Glockenspiel, rate, 260.0, "R:2 E7:2", 1101), 0.0, 0.25f);
    out.MixIn(Sparkle(rate, 0.8, 1102, 8, 3500.0, 9000.0), 0.4, 0.12f);
    Reverb room(rate, 0.5, 0.4);
    room.ProcessMono(out, 0.25f, 0.3);
    out.Resize(out.IndexAt(1.9));
    out.FadeOut(0.3);
    return out;
}

// The sleigh in flight: bells jingling at a trot over rushing air.
AudioBuffer SleighLoop(int rate)
{
    const std::size_t period = static_cast<std::size_t>(std::lround(2.4 * rate));
    AudioBuffer shakes(rate);
    for (int k = 0; k < 10; ++k) {
        const float level = k % 2 == 0 ? 0.9f : 0.55f;
        shakes.MixIn(SleighBellShake(rate, level, 1110 + k, 9, 0.03), k * 0.24 + 0.005);
    }
    AudioBuffer source = FoldIntoLoop(shakes, period);
    AudioBuffer air = PeriodicNoise(rate, period, 1120, true);
    air.Scale(0.35f);
    air = SettleIntoLoop(air, [rate](AudioBuffer& b) {
        Biquad band(Biquad::Kind::BandPass, rate, 700.0, 0.8);
        ApplyFilter(b, band);
    });
    source.MixInAt(air, 0);
    return source;
}

// Glimmer is hit: a thump, a crackle of snow or spark, and "Ouch!".
AudioBuffer GlimmerHit(int rate)
{
    AudioBuffer out = RenderTone(rate, 0.2, Wave::Sine, Glide(150.0, 60.0, 0.15), Hit(0.001, 0.18));
    AudioBuffer smack = RenderNoise(rate, 0.08, 1130, false, Hit(0.0005, 0.06));
    Biquad mid(Biquad::Kind::BandPass, rate, 1800.0, 0.8);
    ApplyFilter(smack, mid);
    out.MixIn(smack, 0.0, 0.8f);
    out.MixIn(SpokenLine("Ouch!", GlimmerVoice(), rate), 0.12, 0.85f);
    return out;
}

// The penguin's little flying machine: a buzzing engine and the whup of its propeller.
AudioBuffer PenguinFlyerLoop(int rate)
{
    const std::size_t period = static_cast<std::size_t>(rate);
    std::vector<double> times;
    std::vector<float> levels;
    Noise noise(1140);
    for (int k = 0; k < 36; ++k) {
        times.push_back((k + 0.02) / 36.0);
        levels.push_back(static_cast<float>(noise.Between(0.8, 1.0)));
    }
    AudioBuffer source = FoldIntoLoop(EngineRun(rate, times, levels, 150.0, 0.9, 1141), period);
    AudioBuffer prop = PeriodicNoise(rate, period, 1142, true);
    for (std::size_t i = 0; i < period; ++i) {
        const double t = static_cast<double>(i) / rate;
        prop[i] *= static_cast<float>(0.25 * std::pow(0.5 + 0.5 * std::sin(kTwoPi * 24.0 * t), 3.0));
    }
    source.MixInAt(prop, 0);
    Oscillator hum(Wave::Saw, rate);
    const double f = SnapToPeriod(72.0, rate, period);
    for (std::size_t i = 0; i < period; ++i)
        source[i] += static_cast<float>(hum.Next(f) * 0.12);
    return SettleIntoLoop(source, [rate](AudioBuffer& b) {
        Biquad muffle(Biquad::Kind::LowPass, rate, 2000.0, 0.7);
        ApplyFilter(b, muffle);
    });
}

// A storm cloud's zap: a tearing electric crackle with a falling sizzle.
AudioBuffer Zap(int rate)
{
    AudioBuffer out = Crackle(rate, 0.55, 1150, 130.0);
    out.MixIn(RenderTone(rate, 0.4, Wave::Saw, Glide(2400.0, 700.0, 0.4), Hit(0.002, 0.35)), 0.0, 0.3f);
    out.MixIn(RenderNoise(rate, 0.05, 1151, false, Hit(0.0003, 0.04)), 0.0, 0.8f);
    out.FadeOut(0.12);
    return out;
}

// The flyer's snow cannon: a "pfoom" with a short whistle as the ball leaves.
AudioBuffer SnowCannon(int rate)
{
    AudioBuffer out = RenderTone(rate, 0.3, Wave::Sine, Glide(170.0, 60.0, 0.15), Hit(0.001, 0.2));
    AudioBuffer puff = RenderNoise(rate, 0.25, 1160, true, Hit(0.003, 0.15));
    Biquad air(Biquad::Kind::LowPass, rate, 2200.0, 0.7);
    ApplyFilter(puff, air);
    out.MixIn(puff, 0.0, 1.3f);
    out.MixIn(RenderTone(rate, 0.2, Wave::Sine, Glide(1300.0, 750.0, 0.2), Hit(0.01, 0.18)), 0.05, 0.25f);
    out.Resize(out.IndexAt(0.36));
    out.FadeOut(0.05);
    return out;
}

}  // namespace

std::vector<SoundRecipe> SleighRideSounds()
{
    return {
        {"waves\\act2\\house.wav", 22050, 16, false, 0.85f, HouseCall},
        {"waves\\act2\\sleigh.wav", 22050, 16, true, 0.6f, SleighLoop},
        {"waves\\act2\\glimhit.wav", 22050, 16, false, 0.89f, GlimmerHit},
        {"waves\\act2\\penflyer.wav", 11025, 16, true, 0.5f, PenguinFlyerLoop},
        {"waves\\act2\\zap.wav", 22050, 8, false, 0.89f, Zap},
        {"waves\\act2\\snowgun.wav", 22050, 8, false, 0.89f, SnowCannon},
    };
}

}  // namespace mediagen
