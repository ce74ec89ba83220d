// The raw material of the sounds: oscillators that do not alias, effect building blocks that are what
// they are named (an engine runs at its stroke rate, bells ring high, thunder rumbles low), and tones
// that follow their pitch curves.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio/EffectKit.h"
#include "audio/Oscillator.h"
#include "audio/Percussion.h"
#include "audio/Score.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

constexpr double kPi = 3.141592653589793;

// The strength of one frequency in a stretch of sound (Goertzel), as an amplitude.
double Strength(const AudioBuffer& b, double frequency, std::size_t from, std::size_t count)
{
    const double w = 2.0 * kPi * frequency / b.SampleRate();
    const double k = 2.0 * std::cos(w);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = from; i < from + count && i < b.Size(); ++i) {
        // A Hann window keeps neighbouring tones from leaking into the measurement.
        const double window = 0.5 - 0.5 * std::cos(2.0 * kPi * (i - from) / count);
        const double s = b[i] * window + k * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return 4.0 * std::sqrt(s1 * s1 + s2 * s2 - k * s1 * s2) / count;
}

double LowShare(const AudioBuffer& b, double split)
{
    double low = 0.0;
    double all = 0.0;
    for (double f = 50.0; f < b.SampleRate() * 0.45; f *= 1.12) {
        const double s = Strength(b, f, 0, std::min<std::size_t>(b.Size(), 8192));
        all += s * s;
        if (f < split)
            low += s * s;
    }
    return all > 0.0 ? low / all : 0.0;
}

TEST(Oscillators, HighSawAndSquareDoNotFoldBackIntoFalseTones)
{
    const int rate = 22050;
    for (Wave wave : {Wave::Saw, Wave::Square}) {
        // At 2900 Hz the harmonics above 11025 Hz would fold back to 8350 and 7450 Hz unless band-limited.
        const AudioBuffer tone = RenderTone(rate, 0.5, wave, Constant(2900.0), Constant(1.0));
        const double fundamental = Strength(tone, 2900.0, 1000, 8192);
        const double folded = wave == Wave::Saw ? Strength(tone, 22050.0 - 4 * 2900.0, 1000, 8192)
                                                : Strength(tone, 5 * 2900.0 - 22050.0 + 0.0, 1000, 8192);
        EXPECT_GT(fundamental, 0.5);
        EXPECT_LT(20.0 * std::log10(folded / fundamental), -20.0) << static_cast<int>(wave);
    }
}

TEST(Oscillators, TrianglePulseAndSineSitAroundZero)
{
    for (Wave wave : {Wave::Sine, Wave::Triangle, Wave::Pulse25, Wave::Saw, Wave::Square}) {
        const AudioBuffer tone = RenderTone(22050, 1.0, wave, Constant(220.5), Constant(1.0));
        double mean = 0.0;
        for (float s : tone.Samples())
            mean += s;
        EXPECT_NEAR(mean / tone.Size(), 0.0, 0.02) << static_cast<int>(wave);
        EXPECT_GT(tone.Rms(), 0.3) << static_cast<int>(wave);
    }
}

TEST(Tones, FollowTheirPitchGlide)
{
    const AudioBuffer glide = RenderTone(22050, 1.0, Wave::Sine, Glide(400.0, 1600.0, 1.0), Constant(1.0));
    // Half-way through an even glide in musical steps, 400 to 1600 Hz passes 800 Hz.
    EXPECT_GT(Strength(glide, 800.0, 11025 - 1024, 2048), 5.0 * Strength(glide, 500.0, 11025 - 1024, 2048));
    EXPECT_NEAR(MidiToFrequency(69), 440.0, 1e-9);
    EXPECT_NEAR(MidiToFrequency(60), 261.6256, 1e-3);
}

TEST(Building, AnEngineRunsAtItsStrokeRate)
{
    std::vector<double> times;
    for (int k = 0; k < 50; ++k)
        times.push_back(k / 50.0);
    const AudioBuffer engine = EngineRun(11025, times, {1.0f}, 110.0, 0.5, 3);
    // Strokes fifty times a second make a buzz whose lowest line is 50 Hz, not the pipe's 110 Hz alone.
    EXPECT_GT(Strength(engine, 50.0, 1000, 8192), 0.02);
    EXPECT_GT(Strength(engine, 50.0, 1000, 8192), 4.0 * Strength(engine, 75.0, 1000, 8192));
}

TEST(Building, BellsRingHighAndThunderRumblesLow)
{
    EXPECT_LT(LowShare(SleighBellShake(44100, 1.0f, 5, 9, 0.03), 1500.0), 0.1);
    EXPECT_GT(LowShare(Thunder(22050, 2.0, 5, 1.0), 600.0), 0.5);
    EXPECT_GT(LowShare(PlayDrum(Drum::Kick, 44100, 1.0f, 5), 200.0), 0.8);
    EXPECT_LT(LowShare(PlayDrum(Drum::Triangle, 44100, 1.0f, 5), 1000.0), 0.1);
}

TEST(Building, EveryBlockIsFiniteAndSounds)
{
    const int rate = 22050;
    const std::vector<AudioBuffer> blocks = {
        Wind(rate, 2.0, 1, 500.0, 0.6, 0.4), Whoosh(rate, 0.6, 1, 300.0, 3000.0), Thunder(rate, 1.5, 1, 1.0),
        Splat(rate, 1, 1.0), Honk(rate, 0.4, Glide(500.0, 400.0, 0.4), 1, 1.0), Sparkle(rate, 0.5, 1, 6, 3000.0, 8000.0),
        Bubble(rate, 300.0, 0.1), Crackle(rate, 0.5, 1, 130.0), EngineStroke(rate, 100.0, 1.0, 1)};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        ASSERT_FALSE(blocks[i].Empty()) << i;
        for (float s : blocks[i].Samples())
            ASSERT_TRUE(std::isfinite(s)) << i;
        EXPECT_GT(blocks[i].Rms(), 1e-3) << i;
        EXPECT_EQ(blocks[i].SampleRate(), rate) << i;
    }
    // The same seed gives the same sound; another seed another one.
    EXPECT_EQ(Wind(rate, 1.0, 7, 500.0, 0.5, 0.3).Samples(), Wind(rate, 1.0, 7, 500.0, 0.5, 0.3).Samples());
    EXPECT_NE(Wind(rate, 1.0, 7, 500.0, 0.5, 0.3).Samples(), Wind(rate, 1.0, 8, 500.0, 0.5, 0.3).Samples());
}

TEST(ScoreMoves, TranspositionWrapsPitchClassesBothWays)
{
    const std::vector<ChordSpan> chords = ParseChords("C | B7", 4);
    const std::vector<ChordSpan> down = Transpose(chords, -5);
    EXPECT_EQ(down[0].root, 7);
    EXPECT_EQ(down[1].root, 6);
    EXPECT_EQ(Transpose(chords, 14)[1].root, 1);
    const std::vector<ChordSpan> later = Shift(chords, 8.0);
    EXPECT_DOUBLE_EQ(later[1].beat, 12.0);
    EXPECT_EQ(Transpose(ParseMelody("C4:1").notes, -13)[0].midi, 47);
}

}  // namespace
}  // namespace mediagen
