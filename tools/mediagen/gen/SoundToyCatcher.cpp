// Sounds of the toy catcher: the belts, the snowmobile, catches, hits, bees and the penguins' snow.
#include <cmath>

#include "SoundCatalog.h"
#include "SoundKit.h"
#include "audio/Biquad.h"
#include "audio/Effects.h"
#include "audio/Envelope.h"
#include "audio/EffectKit.h"
#include "audio/LoopBuilder.h"
#include "audio/Noise.h"
#include "audio/Percussion.h"
#include "audio/Reverb.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// A steady tone that completes whole cycles in the period, so it loops exactly.
AudioBuffer LoopTone(int rate, std::size_t period, Wave wave, double frequency, double level)
{
    const double f = SnapToPeriod(frequency, rate, period);
    AudioBuffer out(rate, period);
    Oscillator osc(wave, rate);
    for (std::size_t i = 0; i < period; ++i)
        out[i] = static_cast<float>(osc.Next(f) * level);
    return out;
}

// The conveyor belts: a low motor hum, the rollers clicking past, a chain clunk and the belt's rumble.
AudioBuffer ConveyorLoop(int rate)
{
    const std::size_t period = static_cast<std::size_t>(rate) * 2;
    AudioBuffer source = LoopTone(rate, period, Wave::Sine, 55.0, 0.35);
    source.MixInAt(LoopTone(rate, period, Wave::Sine, 110.0, 0.2), 0);
    source.MixInAt(LoopTone(rate, period, Wave::Triangle, 165.0, 0.08), 0);

    AudioBuffer events(rate);
    Noise noise(600);
    for (int k = 0; k < 16; ++k) {
        const double t = k * 0.125 + noise.Between(0.0, 0.008);
        AudioBuffer click = RenderTone(rate, 0.05, Wave::Sine, Constant(noise.Between(900.0, 1400.0)), Hit(0.0005, 0.025));
        click.MixIn(RenderNoise(rate, 0.02, 610 + k, false, Hit(0.0005, 0.012)), 0.0, 0.4f);
        events.MixIn(click, t, static_cast<float>(noise.Between(0.5, 0.8)));
    }
    for (double t : {0.4, 1.4}) {
        AudioBuffer clunk = RenderTone(rate, 0.15, Wave::Sine, Glide(260.0, 200.0, 0.1), Hit(0.001, 0.12));
        clunk.MixIn(RenderNoise(rate, 0.05, 620, true, Hit(0.001, 0.04)), 0.0, 0.5f);
        events.MixIn(clunk, t, 0.45f);
    }
    source.MixInAt(FoldIntoLoop(events, period), 0);

    AudioBuffer rumble = PeriodicNoise(rate, period, 630, true);
    rumble.Scale(0.12f);
    source.MixInAt(rumble, 0);
    return SettleIntoLoop(source, [rate](AudioBuffer& b) {
        Biquad tone(Biquad::Kind::LowPass, rate, 2600.0, 0.7);
        ApplyFilter(b, tone);
    });
}

// Combustion strokes spread evenly over one loop, with a fixed unevenness that repeats each loop.
AudioBuffer EngineLoop(int rate, double seconds, int strokes, double resonanceHz, double brightness, double cutoff,
                       std::uint32_t seed)
{
    const auto period = static_cast<std::size_t>(std::lround(seconds * rate));
    std::vector<double> times;
    std::vector<float> levels;
    Noise noise(seed);
    for (int k = 0; k < strokes; ++k) {
        times.push_back((k + noise.Between(-0.06, 0.06)) * seconds / strokes + 0.01);
        levels.push_back(static_cast<float>(noise.Between(0.7, 1.0)));
    }
    AudioBuffer source = FoldIntoLoop(EngineRun(rate, times, levels, resonanceHz, brightness, seed + 1), period);
    return SettleIntoLoop(source, [rate, cutoff](AudioBuffer& b) {
        Biquad muffle(Biquad::Kind::LowPass, rate, cutoff, 0.8);
        ApplyFilter(b, muffle);
    });
}

// Idling: a slow, soft putter.
AudioBuffer MotorIdle(int rate)
{
    AudioBuffer loop = EngineLoop(rate, 1.0, 19, 80.0, 0.4, 900.0, 700);
    loop.MixInAt(LoopTone(rate, loop.Size(), Wave::Sine, 38.0, 0.15), 0);
    return loop;
}

// Driving: the engine revved up, a rasp on top and the track's rumble underneath.
AudioBuffer MotorDriving(int rate)
{
    AudioBuffer loop = EngineLoop(rate, 1.0, 48, 115.0, 1.0, 1700.0, 710);
    AudioBuffer track = PeriodicNoise(rate, loop.Size(), 720, true);
    track = SettleIntoLoop(track, [rate](AudioBuffer& b) {
        Biquad low(Biquad::Kind::LowPass, rate, 450.0, 0.7);
        ApplyFilter(b, low);
    });
    loop.MixInAt(track, 0, 0.25f);
    loop.MixInAt(LoopTone(rate, loop.Size(), Wave::Saw, 96.0, 0.06), 0);
    return loop;
}

// A swarm of bees: several buzzing wings, each wavering in pitch and drifting nearer and farther.
AudioBuffer BeesLoop(int rate)
{
    const std::size_t period = static_cast<std::size_t>(rate) * 2;
    const double pitches[5] = {196.0, 214.0, 229.0, 247.0, 262.0};
    const double wobble[5] = {6.0, 7.5, 5.0, 8.0, 6.5};   // multiples of half a hertz: whole cycles in the loop
    const double drift[5] = {0.5, 1.0, 1.5, 0.5, 1.0};
    AudioBuffer source(rate, period);
    Noise noise(800);
    for (int b = 0; b < 5; ++b) {
        const double f = SnapToPeriod(pitches[b], rate, period);
        Oscillator wing(Wave::Saw, rate, noise.Uniform());
        const double phase = noise.Uniform() * kTwoPi;
        for (std::size_t i = 0; i < period; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double vib = 1.0 + 0.03 * std::sin(kTwoPi * wobble[b] * t + phase);
            const double near = 0.55 + 0.45 * std::sin(kTwoPi * drift[b] * t + phase * 1.7);
            source[i] += static_cast<float>(wing.Next(f * vib) * near * 0.3);
        }
    }
    return SettleIntoLoop(source, [rate](AudioBuffer& b) {
        Biquad body(Biquad::Kind::BandPass, rate, 900.0, 0.8);
        Biquad buzz(Biquad::Kind::Peak, rate, 2200.0, 2.0, 6.0);
        ApplyFilter(b, body);
        ApplyFilter(b, buzz);
    });
}

// Glimmer cheers when the quota is caught.
AudioBuffer Great(int rate)
{
    AudioBuffer out = SpokenLine("Great!", GlimmerVoice(), rate);
    out.MixIn(Sparkle(rate, 0.6, 900, 6, 3000.0, 8000.0), 0.05, 0.12f);
    return out;
}

// The penguin's snow blower (loaded by the round but not played): a small engine and blown snow.
AudioBuffer SnowBlower(int rate)
{
    std::vector<double> times;
    for (double t = 0.0; t < 1.5; t += 1.0 / 45.0)
        times.push_back(t);
    AudioBuffer out = EngineRun(rate, times, {1.0f, 0.8f, 0.9f}, 140.0, 1.0, 910);
    out.MixIn(Whoosh(rate, 1.5, 911, 600.0, 3500.0), 0.0, 0.8f);
    Biquad muffle(Biquad::Kind::LowPass, rate, 2500.0, 0.7);
    ApplyFilter(out, muffle);
    out.FadeIn(0.1);
    out.FadeOut(0.3);
    return out;
}

// An item lands in the snow: a soft thump and a crunch.
AudioBuffer SnowLanding(int rate)
{
    AudioBuffer out = RenderNoise(rate, 0.3, 920, true, Hit(0.003, 0.18));
    Biquad soft(Biquad::Kind::LowPass, rate, 700.0, 0.7);
    ApplyFilter(out, soft);
    out.Scale(2.0f);
    AudioBuffer crunch = RenderNoise(rate, 0.12, 921, false, [](double t) {
        return DecayCurve(t, 0.1) * (0.5 + 0.5 * std::sin(6.2832 * 90.0 * t) * std::sin(6.2832 * 37.0 * t));
    });
    Biquad crisp(Biquad::Kind::BandPass, rate, 2400.0, 1.0);
    ApplyFilter(crunch, crisp);
    out.MixIn(crunch, 0.01, 0.9f);
    out.MixIn(RenderTone(rate, 0.15, Wave::Sine, Glide(110.0, 60.0, 0.1), Hit(0.002, 0.12)), 0.0, 0.7f);
    return out;
}

// An oil can caught: glug-glug-glug, a tap on the tin, and a rising chime as health comes back.
AudioBuffer OilCan(int rate)
{
    AudioBuffer out(rate);
    const double starts[3] = {0.0, 0.1, 0.2};
    const double pitches[3] = {260.0, 300.0, 360.0};
    for (int k = 0; k < 3; ++k)
        out.MixIn(Bubble(rate, pitches[k], 0.09), starts[k], 0.8f);
    out.MixIn(PlayTune(Instrument::Glockenspiel, rate, 240.0, "A6:1", 930), 0.28, 0.35f);
    out.MixIn(PlayTune(Instrument::Celesta, rate, 900.0, "C6:1 E6 G6 C7:3", 931), 0.36, 0.6f);
    Reverb room(rate, 0.3, 0.5);
    room.ProcessMono(out, 0.2f, 0.2);
    out.Resize(out.IndexAt(1.0));
    out.FadeOut(0.25);
    return out;
}

// A penguin's single squawk.
AudioBuffer PenguinSquawk(int rate)
{
    AudioBuffer out = Honk(rate, 0.45, [](double t) { return 440.0 + 120.0 * std::sin(3.14159 * std::min(1.0, t / 0.3)) - 80.0 * t; },
                           940, 0.95);
    out.FadeIn(0.02);
    out.FadeOut(0.1);
    return out;
}

// A snowball thrown: a hollow "thoomp" and a puff of air.
AudioBuffer SnowballThrow(int rate)
{
    AudioBuffer out = RenderTone(rate, 0.3, Wave::Sine, Glide(190.0, 55.0, 0.18), Hit(0.002, 0.22));
    AudioBuffer puff = RenderNoise(rate, 0.2, 950, true, Hit(0.004, 0.12));
    Biquad air(Biquad::Kind::LowPass, rate, 1600.0, 0.7);
    ApplyFilter(puff, air);
    out.MixIn(puff, 0.0, 1.2f);
    return out;
}

// Something lands on Glimmer's head: a hollow knock and a cartoon "boing".
AudioBuffer HeadBonk(int rate)
{
    AudioBuffer out = RenderTone(rate, 0.15, Wave::Sine, Constant(420.0), Hit(0.0005, 0.12));
    out.MixIn(RenderTone(rate, 0.08, Wave::Sine, Constant(1160.0), Hit(0.0005, 0.05)), 0.0, 0.5f);
    out.MixIn(RenderNoise(rate, 0.01, 960, false, Hit(0.0003, 0.008)), 0.0, 0.5f);
    auto boing = [](double t) { return (330.0 - 120.0 * std::min(1.0, t / 0.4)) * (1.0 + 0.08 * std::sin(6.2832 * 24.0 * t) * std::exp(-t / 0.3)); };
    out.MixIn(RenderTone(rate, 0.45, Wave::Triangle, boing, Hit(0.005, 0.42)), 0.03, 0.7f);
    return out;
}

// A gift lands in the trunk: a soft thunk and a bright rising "bling".
AudioBuffer GiftCaught(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Glockenspiel, rate, 900.0, "E6:1 A6:4", 970);
    out.MixIn(RenderTone(rate, 0.1, Wave::Sine, Glide(160.0, 110.0, 0.08), Hit(0.001, 0.08)), 0.0, 0.5f);
    out.MixIn(Sparkle(rate, 0.35, 971, 6, 4000.0, 9000.0), 0.04, 0.15f);
    out.Resize(out.IndexAt(0.5));
    out.FadeOut(0.1);
    return out;
}

// An extra life: a quick rising arpeggio, a bright chord and sparkle.
AudioBuffer ExtraLife(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Glockenspiel, rate, 840.0, "C6:1 E6 G6 C7:6", 980);
    out.MixIn(PlayChord(Instrument::Brass, rate, 0.5, {60, 64, 67, 72}, 981), 0.28, 0.7f);
    out.MixIn(Sparkle(rate, 0.8, 982, 12, 3000.0, 9000.0), 0.25, 0.2f);
    Reverb room(rate, 0.4, 0.4);
    room.ProcessMono(out, 0.25f, 0.2);
    out.Resize(out.IndexAt(1.1));
    out.FadeOut(0.2);
    return out;
}

// Glimmer shakes the snow off his head: a fluttering "brrrr" with a rattle.
AudioBuffer HeadShake(int rate)
{
    const double seconds = 0.8;
    auto pitch = [](double t) { return 240.0 * (1.0 + 0.12 * std::sin(6.2832 * 16.0 * t)); };
    auto level = [seconds](double t) {
        const double flap = 0.55 + 0.45 * std::sin(6.2832 * 16.0 * t);
        return flap * std::sin(3.14159 * std::min(1.0, t / seconds));
    };
    AudioBuffer out = RenderTone(rate, seconds, Wave::Triangle, pitch, level);
    AudioBuffer rattle = RenderNoise(rate, seconds, 990, false, level);
    Biquad band(Biquad::Kind::BandPass, rate, 1500.0, 1.5);
    ApplyFilter(rattle, band);
    out.MixIn(rattle, 0.0, 0.5f);
    return out;
}

}  // namespace

std::vector<SoundRecipe> ToyCatcherSounds()
{
    return {
        {"waves\\act1\\hithead.wav", 22050, 8, false, 0.89f, HeadBonk},
        {"waves\\act1\\inbox.wav", 22050, 16, false, 0.89f, GiftCaught},
        {"waves\\act1\\catchlife.wav", 22050, 16, false, 0.89f, ExtraLife},
        {"waves\\act1\\shakehead.wav", 11025, 16, false, 0.89f, HeadShake},
        {"waves\\act1\\bees.wav", 11025, 16, true, 0.6f, BeesLoop},
        {"waves\\act1\\conveyeur.wav", 11025, 16, true, 0.4f, ConveyorLoop},
        {"waves\\act1\\motor01.wav", 11025, 16, true, 0.45f, MotorIdle},
        {"waves\\act1\\motor02.wav", 11025, 16, true, 0.5f, MotorDriving},
        {"waves\\act1\\glim_great.wav", 22050, 16, false, 0.89f, Great},
        {"waves\\act1\\snowblower.wav", 11025, 8, false, 0.89f, SnowBlower},
        {"waves\\act1\\hole.wav", 11025, 8, false, 0.8f, SnowLanding},
        {"waves\\act1\\oil.wav", 22050, 16, false, 0.89f, OilCan},
        {"waves\\act1\\penguin03.wav", 11025, 8, false, 0.89f, PenguinSquawk},
        {"waves\\act1\\snowgun.wav", 11025, 8, false, 0.89f, SnowballThrow},
    };
}

}  // namespace mediagen
