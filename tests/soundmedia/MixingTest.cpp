// Putting sounds together: the stereo desk and its mastering, the reverb, and the whole-buffer effects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "audio/AudioBuffer.h"
#include "audio/Effects.h"
#include "audio/Reverb.h"
#include "audio/StereoMix.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

AudioBuffer Sine(int rate, double seconds, double frequency, double level = 1.0)
{
    return RenderTone(rate, seconds, Wave::Sine, Constant(frequency), Constant(level));
}

double Energy(const std::vector<float>& v, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to && i < v.size(); ++i)
        sum += static_cast<double>(v[i]) * v[i];
    return sum;
}

TEST(StereoDesk, PansWithConstantPowerAndGrowsToFit)
{
    StereoMix mix(8000);
    const AudioBuffer tone = Sine(8000, 0.5, 200.0, 0.5);
    mix.Add(tone, 1.0, 1.0f, -1.0f, 0.0f);
    ASSERT_EQ(mix.Left().size(), 8000u + 4000u);
    EXPECT_EQ(Energy(mix.Right(), 0, mix.Right().size()), 0.0);  // hard left leaves the right side silent
    EXPECT_EQ(mix.Left()[100], 0.0f);                             // placed at one second, not at the start

    StereoMix centre(8000);
    centre.Add(tone, 0.0, 1.0f, 0.0f, 0.0f);
    const double left = Energy(centre.Left(), 0, 4000);
    const double right = Energy(centre.Right(), 0, 4000);
    EXPECT_NEAR(left, right, left * 1e-6);
    // Centred, the two sides together carry the same power as the voice itself.
    EXPECT_NEAR(left + right, 2.0 * Energy(tone.Samples(), 0, 4000), left * 1e-3);
}

TEST(StereoDesk, MasteringSetsThePeakTheLengthAndFadesToSilence)
{
    StereoMix mix(8000);
    mix.Add(Sine(8000, 2.0, 300.0, 3.0), 0.0, 1.0f, 0.3f, 0.0f);  // far too loud on purpose
    mix.Master(0.84f, 1.5, 0.25);
    ASSERT_EQ(mix.Left().size(), 12000u);
    ASSERT_EQ(mix.Right().size(), 12000u);
    float peak = 0.0f;
    for (std::size_t i = 0; i < mix.Left().size(); ++i)
        peak = std::max({peak, std::fabs(mix.Left()[i]), std::fabs(mix.Right()[i])});
    EXPECT_NEAR(peak, 0.84f, 1e-4);
    EXPECT_LT(std::fabs(mix.Left().back()), 1e-3f);
    EXPECT_LT(Energy(mix.Left(), 11800, 12000), Energy(mix.Left(), 8000, 8200) * 0.1);

    StereoMix silent(8000);
    silent.Master(0.84f, 1.0, 0.1);  // nothing to master: stays silent, no division by zero
    EXPECT_EQ(Energy(silent.Left(), 0, silent.Left().size()), 0.0);
}

TEST(StereoDesk, ReverbSendRingsOnAfterTheDrySoundStops)
{
    StereoMix dry(22050);
    StereoMix wet(22050);
    const AudioBuffer burst = Sine(22050, 0.2, 500.0, 0.5);
    dry.Add(burst, 0.0, 1.0f, 0.0f, 0.5f);
    wet.Add(burst, 0.0, 1.0f, 0.0f, 0.5f);
    dry.Master(0.8f, 1.0, 0.0);
    wet.ApplyReverb(0.6, 0.4, 1.0f);
    wet.Master(0.8f, 1.0, 0.0);
    EXPECT_EQ(Energy(dry.Left(), 6000, 22050), 0.0);
    EXPECT_GT(Energy(wet.Left(), 6000, 22050), 1e-3);
    EXPECT_GT(Energy(wet.Left(), 6000, 22050), 0.0);
    // The two sides of the reverb differ, which is what makes it sound wide.
    EXPECT_NE(Energy(wet.Left(), 6000, 22050), Energy(wet.Right(), 6000, 22050));
}

TEST(Reverb, DiesAwayInsteadOfBuildingUp)
{
    for (double room : {0.0, 0.5, 1.0}) {
        AudioBuffer click(22050, 22050 * 6);
        click[0] = 1.0f;
        Reverb reverb(22050, room, 0.2);
        reverb.ProcessMono(click, 1.0f, 0.0);
        const double early = Energy(click.Samples(), 1, 22050);
        const double late = Energy(click.Samples(), 22050 * 5, 22050 * 6);
        for (float s : click.Samples())
            ASSERT_TRUE(std::isfinite(s));
        EXPECT_GT(early, 0.0) << room;
        EXPECT_LT(late, early * 0.01) << room;
    }
}

TEST(Effects, EchoRepeatsAtItsDelayAndFades)
{
    AudioBuffer click(1000, 100);
    click[0] = 1.0f;
    AddEcho(click, 0.1, 0.5f, 0.6f, 0.5);
    ASSERT_EQ(click.Size(), 600u);
    EXPECT_FLOAT_EQ(click[0], 1.0f);
    EXPECT_FLOAT_EQ(click[100], 0.6f);
    EXPECT_FLOAT_EQ(click[200], 0.3f);
    EXPECT_FLOAT_EQ(click[300], 0.15f);
    EXPECT_FLOAT_EQ(click[150], 0.0f);
}

TEST(Effects, CompressionTamesTheLoudAndLeavesTheQuiet)
{
    AudioBuffer speech(8000, 0);
    speech.Append(Sine(8000, 0.5, 200.0, 0.1));
    speech.Append(Sine(8000, 0.5, 200.0, 0.9));
    AudioBuffer squeezed = speech;
    Compress(squeezed, 0.3f, 4.0f);
    float quietPeak = 0.0f;
    float loudPeak = 0.0f;
    for (std::size_t i = 1000; i < 4000; ++i)
        quietPeak = std::max(quietPeak, std::fabs(squeezed[i]));
    for (std::size_t i = 6000; i < 8000; ++i)
        loudPeak = std::max(loudPeak, std::fabs(squeezed[i]));
    EXPECT_NEAR(quietPeak, 0.1f, 0.005f);
    EXPECT_LT(loudPeak, 0.6f);
    EXPECT_GT(loudPeak, 0.3f);
}

TEST(Effects, SaturationRoundsPeaksButKeepsFullScaleAndOrder)
{
    AudioBuffer ramp(1000, 401);
    for (std::size_t i = 0; i < ramp.Size(); ++i)
        ramp[i] = static_cast<float>(-2.0 + i * 0.01);
    Saturate(ramp, 2.0f);
    for (std::size_t i = 1; i < ramp.Size(); ++i)
        ASSERT_GT(ramp[i], ramp[i - 1]) << "soft clipping must keep louder louder";
    EXPECT_NEAR(ramp[300], 1.0f, 1e-5f);  // full scale in, full scale out
    EXPECT_NEAR(ramp[200], 0.0f, 1e-5f);
    // Twice full scale comes out only a few per cent over it: the peak is rounded, not passed on.
    EXPECT_LT(ramp[400], 1.04f);
    EXPECT_GT(ramp[250], 0.5f / 1.0f);  // half scale is lifted a little, not squashed
}

TEST(Buffers, FadesTrimmingAndNormalising)
{
    AudioBuffer tone = Sine(1000, 1.0, 50.0, 0.5);
    tone.FadeIn(0.1);
    tone.FadeOut(0.1);
    EXPECT_EQ(tone[0], 0.0f);
    EXPECT_NEAR(tone[tone.Size() - 1], 0.0f, 1e-6f);
    tone.NormalizePeak(0.9f);
    EXPECT_NEAR(tone.Peak(), 0.9f, 1e-6f);

    AudioBuffer padded(1000, 100);
    padded.MixIn(Sine(1000, 0.2, 50.0, 0.5), 0.3);
    padded.Resize(700);
    padded.TrimSilence(0.01f);
    EXPECT_LT(padded.Size(), 200u);
    EXPECT_GT(padded.Size(), 150u);

    AudioBuffer offset = Sine(8000, 1.0, 200.0, 0.3);
    for (float& s : offset.Samples())
        s += 0.4f;
    offset.RemoveDc();
    double mean = 0.0;
    for (std::size_t i = 4000; i < 8000; ++i)
        mean += offset[i];
    EXPECT_NEAR(mean / 4000.0, 0.0, 0.01);
}

}  // namespace
}  // namespace mediagen
