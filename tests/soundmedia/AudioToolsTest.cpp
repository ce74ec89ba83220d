// The synthesis tools under the generated sounds: seamless loops, quantisation, resampling, the tuning
// of the instruments, the tempo map, and the determinism of speech and Vorbis encoding.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "OggReader.h"
#include "TempFolder.h"
#include "audio/Band.h"
#include "audio/Biquad.h"
#include "audio/Effects.h"
#include "audio/Instruments.h"
#include "audio/LoopBuilder.h"
#include "audio/PcmConverter.h"
#include "audio/Resampler.h"
#include "audio/SpeechSynth.h"
#include "audio/Tone.h"
#include "audio/VorbisEncoder.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

AudioBuffer Sine(int rate, double seconds, double frequency, double level = 1.0)
{
    return RenderTone(rate, seconds, Wave::Sine, Constant(frequency), Constant(level));
}

double LargestStep(const AudioBuffer& b)
{
    double largest = 0.0;
    for (std::size_t i = 1; i < b.Size(); ++i)
        largest = std::max(largest, static_cast<double>(std::fabs(b[i] - b[i - 1])));
    return largest;
}

double SeamStep(const AudioBuffer& b)
{
    return std::fabs(b[0] - b[b.Size() - 1]);
}

// The period (in samples, with a fraction) at which the sound best matches itself, near the expected one.
double MeasuredPeriod(const AudioBuffer& b, double expected, std::size_t from)
{
    double bestLag = expected;
    double best = -1e30;
    const auto low = static_cast<std::size_t>(expected * 0.9);
    const auto high = static_cast<std::size_t>(expected * 1.1) + 1;
    std::vector<double> scores(high + 2, 0.0);
    for (std::size_t lag = low - 1; lag <= high + 1; ++lag) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + 4096 && i + lag < b.Size(); ++i)
            sum += b[i] * b[i + lag];
        scores[lag] = sum;
    }
    for (std::size_t lag = low; lag <= high; ++lag) {
        if (scores[lag] > best) {
            best = scores[lag];
            // A parabola through the neighbours finds the peak between whole samples.
            const double a = scores[lag - 1], c = scores[lag + 1];
            const double denominator = a - 2 * best + c;
            bestLag = lag + (denominator != 0.0 ? 0.5 * (a - c) / denominator : 0.0);
        }
    }
    return bestLag;
}

TEST(Loops, FoldingWrapsATailOntoTheStartWithoutAJump)
{
    const int rate = 8000;
    const std::size_t period = 4000;
    // A ringing tone that starts just before the end of the period and rings on past it.
    AudioBuffer rendered(rate, period + 3000);
    for (std::size_t i = period - 200; i < rendered.Size(); ++i) {
        const double t = static_cast<double>(i - (period - 200)) / rate;
        rendered[i] = static_cast<float>(std::sin(kTwoPi * 300.0 * t) * std::exp(-t * 8.0) * std::min(1.0, t * 400.0));
    }
    const AudioBuffer loop = FoldIntoLoop(rendered, period);
    ASSERT_EQ(loop.Size(), period);
    EXPECT_FLOAT_EQ(loop[5], rendered[period + 5]);
    EXPECT_FLOAT_EQ(loop[period - 5], rendered[period - 5]);
    EXPECT_LE(SeamStep(loop), LargestStep(loop) + 1e-6);
    EXPECT_GT(std::fabs(loop[100]), 0.01f);  // the tail really arrived at the start
}

TEST(Loops, SettlingAFilteredPeriodicSignalLeavesNoSeam)
{
    const int rate = 11025;
    const std::size_t period = 11025;
    // A saw wave with a whole number of cycles, run through a resonant filter that has memory.
    const double f = SnapToPeriod(97.3, rate, period);
    EXPECT_DOUBLE_EQ(f * period / rate, std::round(f * period / rate));
    const AudioBuffer saw = RenderTone(rate, 1.0, Wave::Saw, Constant(f), Constant(0.8));
    const AudioBuffer loop = SettleIntoLoop(saw, [rate](AudioBuffer& b) {
        Biquad resonant(Biquad::Kind::LowPass, rate, 600.0, 4.0);
        ApplyFilter(b, resonant);
    });
    EXPECT_LE(SeamStep(loop), LargestStep(loop) * 1.01);

    // Filtering the single period instead starts the filter from rest and jumps at the seam.
    AudioBuffer naive = saw;
    Biquad resonant(Biquad::Kind::LowPass, rate, 600.0, 4.0);
    ApplyFilter(naive, resonant);
    EXPECT_GT(std::fabs(naive[0] - loop[0]), 0.01);
}

TEST(Loops, PeriodicPinkNoiseRunsOnIntoItsOwnStart)
{
    const AudioBuffer noise = PeriodicNoise(22050, 22050, 7, true);
    EXPECT_LE(SeamStep(noise), LargestStep(noise));
    EXPECT_GT(noise.Rms(), 0.05);
}

TEST(Quantising, ReachesThePeakLevelAndKeepsEightBitOnWholeSteps)
{
    const AudioBuffer tone = Sine(22050, 0.2, 440.0, 0.3);
    const PcmSound wide = ToPcm(tone, 16, 0.89f, 1);
    EXPECT_EQ(wide.bitsPerSample, 16);
    EXPECT_EQ(wide.sampleRate, 22050);
    ASSERT_EQ(wide.samples.size(), tone.Size());
    const auto loudest = *std::max_element(wide.samples.begin(), wide.samples.end());
    EXPECT_NEAR(loudest, 0.89 * 32768, 2.0);

    const PcmSound narrow = ToPcm(tone, 8, 0.89f, 1);
    EXPECT_EQ(narrow.bitsPerSample, 8);
    for (int16_t s : narrow.samples)
        ASSERT_EQ(s % 256, 0) << s;
    const auto loudest8 = *std::max_element(narrow.samples.begin(), narrow.samples.end());
    EXPECT_NEAR(loudest8 / 256.0, 0.89 * 128, 1.0);

    // Silence stays exactly silent (no dither hiss), and a full-scale request never wraps around.
    const PcmSound quiet = ToPcm(AudioBuffer(22050, 1000), 16, 0.89f, 1);
    EXPECT_TRUE(std::all_of(quiet.samples.begin(), quiet.samples.end(), [](int16_t s) { return s == 0; }));
    const PcmSound full = ToPcm(tone, 8, 1.0f, 1);
    EXPECT_GT(*std::max_element(full.samples.begin(), full.samples.end()), 0);
    EXPECT_LT(*std::min_element(full.samples.begin(), full.samples.end()), 0);
}

TEST(Resampling, KeepsWhatFitsAndDropsWhatDoesNot)
{
    const AudioBuffer low = Resample(Sine(22050, 0.5, 1000.0), 11025);
    EXPECT_EQ(low.SampleRate(), 11025);
    EXPECT_NEAR(static_cast<double>(low.Size()), 11025 * 0.5, 2.0);
    AudioBuffer middle(11025);
    middle.Samples().assign(low.Samples().begin() + 500, low.Samples().end() - 500);
    EXPECT_NEAR(middle.Rms(), std::sqrt(0.5), 0.05);

    // 8 kHz cannot exist at 11025 samples a second; it must not fold back as a false tone.
    AudioBuffer folded = Resample(Sine(22050, 0.5, 8000.0), 11025);
    folded.Samples().assign(folded.Samples().begin() + 500, folded.Samples().end() - 500);
    EXPECT_LT(folded.Rms(), 0.03);

    const AudioBuffer faster = ChangeSpeed(Sine(22050, 1.0, 300.0), 1.5);
    EXPECT_NEAR(static_cast<double>(faster.Size()), 22050 / 1.5, 2.0);
    EXPECT_NEAR(22050.0 / MeasuredPeriod(faster, 22050.0 / 450.0, 2000), 450.0, 2.0);
}

// Out-of-tune instruments would make every chord sour; each must sound the pitch it is asked for.
TEST(Instruments, PlayInTune)
{
    const int rate = 44100;
    for (Instrument instrument : {Instrument::Lead, Instrument::Brass, Instrument::Pluck, Instrument::Bass,
                                  Instrument::Strings, Instrument::Keys, Instrument::Glockenspiel, Instrument::Celesta}) {
        const double frequency = instrument == Instrument::Bass ? 110.0 : 440.0;
        NoteRequest note;
        note.frequency = frequency;
        note.seconds = 0.6;
        note.seed = 5;
        const AudioBuffer sound = PlayNote(instrument, rate, note);
        ASSERT_GT(sound.Size(), static_cast<std::size_t>(rate * 0.4)) << static_cast<int>(instrument);
        for (float s : sound.Samples())
            ASSERT_TRUE(std::isfinite(s));
        EXPECT_GT(sound.Rms(), 0.01) << static_cast<int>(instrument);
        const double measured = rate / MeasuredPeriod(sound, rate / frequency, rate / 4);
        EXPECT_NEAR(1200.0 * std::log2(measured / frequency), 0.0, 8.0)
            << "instrument " << static_cast<int>(instrument) << " sounds " << measured << " Hz";
    }
}

TEST(Tempo, SlowsSmoothlyInTheClosingRitardando)
{
    Band band(22050, 120.0, 1);
    band.Ritardando(8.0, 12.0, 0.5);
    EXPECT_DOUBLE_EQ(band.SecondsAt(4.0), 2.0);
    EXPECT_DOUBLE_EQ(band.SecondsAt(8.0), 4.0);
    double last = band.SecondsAt(8.0);
    double lastStep = 0.5;
    for (double beat = 8.25; beat <= 14.0; beat += 0.25) {
        const double now = band.SecondsAt(beat);
        const double step = (now - last) * 4.0;
        EXPECT_GE(step, lastStep - 1e-9) << beat;
        last = now;
        lastStep = step;
    }
    EXPECT_NEAR(band.SecondsAt(13.0) - band.SecondsAt(12.0), 1.0, 1e-9);  // half speed after the end
}

TEST(Speech, SpeaksTheSameLineTheSameWayWhateverCameBefore)
{
    const VoiceStyle voice{"en-us+m3", 160, 72, 85, 1.12};
    const AudioBuffer first = SpeechSynth::Speak("Great!", voice);
    const AudioBuffer other = SpeechSynth::Speak("Here I come, over the rooftops!", voice);
    const AudioBuffer again = SpeechSynth::Speak("Great!", voice);
    EXPECT_GT(first.Duration(), 0.15);
    EXPECT_GT(first.Rms(), 0.02);
    EXPECT_GT(other.Duration(), first.Duration());
    EXPECT_EQ(first.Samples(), again.Samples());
    EXPECT_TRUE(SpeechSynth::Speak("Hello", {"no-such-voice", 160, 50, 50, 1.0}).Empty());
}

TEST(Vorbis, EncodesTheSameBytesEveryTimeAndDecodesBack)
{
    const int rate = 44100;
    const AudioBuffer left = Sine(rate, 1.0, 440.0, 0.5);
    const AudioBuffer right = Sine(rate, 1.0, 660.0, 0.5);
    const std::vector<std::uint8_t> bytes = VorbisEncoder::Encode(left.Samples(), right.Samples(), rate, 0.3f, 0x1234);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes, VorbisEncoder::Encode(left.Samples(), right.Samples(), rate, 0.3f, 0x1234));
    EXPECT_EQ(std::memcmp(bytes.data(), "OggS", 4), 0);
    const std::uint32_t serial = bytes[14] | (bytes[15] << 8) | (bytes[16] << 16) | (static_cast<std::uint32_t>(bytes[17]) << 24);
    EXPECT_EQ(serial, 0x1234u);

    TempFolder folder;
    folder.Write("tone.ogg", std::string(bytes.begin(), bytes.end()));
    const DecodedOgg decoded = DecodeOggFile(folder.File("tone.ogg"));
    ASSERT_TRUE(decoded.opened);
    EXPECT_EQ(decoded.channels, 2);
    AudioBuffer decodedLeft(rate);
    AudioBuffer decodedRight(rate);
    decodedLeft.Samples() = decoded.left;
    decodedRight.Samples() = decoded.right;
    EXPECT_EQ(decodedLeft.Size(), left.Size());
    EXPECT_NEAR(rate / MeasuredPeriod(decodedLeft, rate / 440.0, 10000), 440.0, 1.0);
    EXPECT_NEAR(rate / MeasuredPeriod(decodedRight, rate / 660.0, 10000), 660.0, 1.5);
    EXPECT_NEAR(decodedLeft.Rms(), left.Rms(), 0.02);
}

}  // namespace
}  // namespace mediagen
