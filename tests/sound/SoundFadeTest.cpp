// The mixed output, captured through SDL's disk audio driver: stops fade out instead of cutting, and a sound on top of the music never clips.
#include "SdlAudioDevice.h"
#include "SdlCdAudioOutput.h"
#include "TempFolder.h"
#include "WaveWriter.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// A steady level: every change in the captured output then comes from the
// mixer's own gains (fades, limiter), and a cut shows as one big step.
std::vector<uint8_t> SteadyLevel(int seconds)
{
    mediagen::PcmSound sound;
    sound.channels = 2;
    sound.sampleRate = 44100;
    sound.samples.assign(static_cast<size_t>(seconds) * 44100 * 2, 16384); // half of full scale
    return mediagen::EncodeWave(sound);
}

std::vector<float> ReadCapture(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<float> samples(bytes.size() / sizeof(float));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
    return samples;
}

TEST(SoundFade, StoppingASoundAndTheMusicRampsDownAndTheirSumStaysBelowFullScale)
{
    TempFolder folder;
    folder.Write("effect.wav", std::string());
    {
        const std::vector<uint8_t> wave = SteadyLevel(2);
        std::ofstream(folder.File("effect.wav"), std::ios::binary).write(reinterpret_cast<const char*>(wave.data()),
                                                                         static_cast<std::streamsize>(wave.size()));
        std::ofstream(folder.File("track02.wav"), std::ios::binary)
            .write(reinterpret_cast<const char*>(wave.data()), static_cast<std::streamsize>(wave.size()));
    }
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", folder.File("capture.raw").c_str(), 1);
    {
        Vl::SdlAudioDevice device;
        if (device.Open() != Vl::AudioResult::Ok)
            GTEST_SKIP() << "no SDL disk audio: " << SDL_GetError();
        SdlCdAudioOutput cd;
        int lane = -1;
        ASSERT_EQ(device.AcquireLane(&lane), Vl::AudioResult::Ok);
        const std::vector<uint8_t> wave = SteadyLevel(2);
        Vl::AudioVoice voice = 0;
        Vl::PcmFormat format{2, 44100, 16};
        ASSERT_EQ(device.CreateVoice(format, wave.data() + 44, static_cast<uint32_t>(wave.size() - 44), "steady", &voice),
                  Vl::AudioResult::Ok);

        // Both start together: half scale each, full scale summed.
        ASSERT_TRUE(cd.Play(folder.File("track02.wav"), 0, SdlCdAudioOutput::kToEnd));
        ASSERT_EQ(device.Play(lane, voice, true), Vl::AudioResult::Ok);
        SDL_Delay(200);
        ASSERT_EQ(device.Stop(lane), Vl::AudioResult::Ok);
        bool playing = true;
        bool looping = true;
        device.GetStatus(lane, &playing, &looping);
        EXPECT_FALSE(playing) << "a fading lane already counts as stopped";
        // Released while it fades, as a screen switch does: the fade still runs to its end.
        device.DestroyVoice(voice);
        SDL_Delay(150);
        cd.Stop();
        EXPECT_FALSE(cd.IsPlaying());
        SDL_Delay(150);
        device.Close();
    }
    unsetenv("SDL_DISKAUDIOFILE");

    const std::vector<float> out = ReadCapture(folder.File("capture.raw"));
    size_t first = 0;
    while (first < out.size() && out[first] == 0.0f)
        ++first;
    ASSERT_LT(first + 2 * 44100 / 20, out.size()) << "nothing was captured";
    float peak = 0.0f;
    float biggestStep = 0.0f;
    size_t betweenLevels = 0;
    // The first 50 ms hold the starts themselves, which may jump.
    for (size_t i = first + 2 * 44100 / 20; i < out.size(); ++i) {
        peak = std::max(peak, std::fabs(out[i]));
        biggestStep = std::max(biggestStep, std::fabs(out[i] - out[i - 2]));
        if (std::fabs(out[i]) > 0.1f && std::fabs(out[i]) < 0.4f)
            ++betweenLevels;
    }
    EXPECT_LE(peak, 0.9001f) << "the sum of sound and music must be limited, not clipped";
    EXPECT_LT(biggestStep, 0.02f) << "a stop must not cut the wave";
    EXPECT_GT(betweenLevels, 200u) << "the stops must ramp through the levels between";
    EXPECT_EQ(out.back(), 0.0f);
}

} // namespace
