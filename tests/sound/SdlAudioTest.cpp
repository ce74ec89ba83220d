// The SDL_mixer device and CD output on SDL's dummy audio driver.
#include "AiffWriter.h"
#include "SdlAudioDevice.h"
#include "SdlCdAudioOutput.h"
#include "SoundWorld.h"
#include "VlSoundChannel.h"
#include "WaveWriter.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

namespace {

class SdlAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (device.Open() != Vl::AudioResult::Ok)
            GTEST_SKIP() << "no SDL audio: " << SDL_GetError();
    }
    void TearDown() override { device.Close(); }

    Vl::SdlAudioDevice device;
};

std::vector<uint8_t> Tone(int channels, int rate, int bits, int frames)
{
    mediagen::PcmSound sound;
    sound.channels = channels;
    sound.sampleRate = rate;
    sound.bitsPerSample = bits;
    for (int i = 0; i < frames * channels; ++i)
        sound.samples.push_back(static_cast<int16_t>((i % 50) * 1000 - 25000));
    return mediagen::EncodeWave(sound);
}

} // namespace

TEST_F(SdlAudio, VoicesOfEveryGameFormatConvertAndPlayOnTheirLane)
{
    int lane = -1;
    ASSERT_EQ(device.AcquireLane(&lane), Vl::AudioResult::Ok);
    struct Case {
        uint16_t channels;
        uint32_t rate;
        uint16_t bits;
    } cases[] = {{1, 11025, 8}, {1, 22050, 16}, {2, 44100, 16}, {1, 8000, 32}};
    for (const Case& c : cases) {
        std::vector<uint8_t> samples(c.rate * c.channels * c.bits / 8, 0x40);
        Vl::AudioVoice voice = 0;
        ASSERT_EQ(device.CreateVoice({c.channels, c.rate, c.bits}, samples.data(), static_cast<uint32_t>(samples.size()),
                                     "tone", &voice),
                  Vl::AudioResult::Ok);
        ASSERT_EQ(device.Play(lane, voice, true), Vl::AudioResult::Ok);
        bool playing = false, looping = false;
        ASSERT_EQ(device.GetStatus(lane, &playing, &looping), Vl::AudioResult::Ok);
        EXPECT_TRUE(playing);
        EXPECT_TRUE(looping);
        device.DestroyVoice(voice);
        ASSERT_EQ(device.GetStatus(lane, &playing, &looping), Vl::AudioResult::Ok);
        EXPECT_FALSE(playing);
    }
}

TEST_F(SdlAudio, FormatsTheMixerCannotTakeAreRefused)
{
    uint8_t samples[12] = {};
    Vl::AudioVoice voice = 0;
    EXPECT_EQ(device.CreateVoice({1, 22050, 24}, samples, sizeof samples, "x", &voice), Vl::AudioResult::BadFormat);
    EXPECT_EQ(device.CreateVoice({0, 22050, 16}, samples, sizeof samples, "x", &voice), Vl::AudioResult::BadFormat);
    EXPECT_EQ(device.CreateVoice({1, 0, 16}, samples, sizeof samples, "x", &voice), Vl::AudioResult::BadFormat);
    int lane = -1;
    ASSERT_EQ(device.AcquireLane(&lane), Vl::AudioResult::Ok);
    EXPECT_EQ(device.Play(lane + 1, 1, false), Vl::AudioResult::InvalidParam);
    // A sound without samples plays as silence that has already ended.
    ASSERT_EQ(device.CreateVoice({1, 22050, 16}, samples, 1, "x", &voice), Vl::AudioResult::Ok);
    EXPECT_EQ(device.Play(lane, voice, true), Vl::AudioResult::Ok);
    bool playing = true, looping = true;
    device.GetStatus(lane, &playing, &looping);
    EXPECT_FALSE(playing);
}

TEST_F(SdlAudio, EachChannelOwnsOneMixerChannel)
{
    int lanes[3];
    for (int& lane : lanes)
        ASSERT_EQ(device.AcquireLane(&lane), Vl::AudioResult::Ok);
    EXPECT_EQ(lanes[0], 0);
    EXPECT_EQ(lanes[2], 2);
    EXPECT_EQ(Mix_AllocateChannels(-1), 3);
    device.ReleaseLane(lanes[1]);
    int again = -1;
    ASSERT_EQ(device.AcquireLane(&again), Vl::AudioResult::Ok);
    EXPECT_EQ(again, 1);
    EXPECT_EQ(Mix_AllocateChannels(-1), 3);
}

TEST_F(SdlAudio, LoadedSoundsPlayThroughChannelsOnTheSdlDevice)
{
    device.Close();
    SoundWorld world;
    Vl::Host host = Vl::GetHost();
    host.audio = &device;
    Vl::SetHost(host);
    ASSERT_EQ(VlSoundSystemStart(nullptr), VlOk);

    world.WriteFile("beep.wav", Tone(1, 11025, 8, 11025));
    mediagen::PcmSound aiff;
    aiff.samples.assign(22050, 1200);
    world.WriteFile("hum.aif", mediagen::EncodeAiff(aiff));
    Vl::Sound* beep = world.Load("beep.wav");
    Vl::Sound* hum = world.Load("hum.aif");
    ASSERT_TRUE(beep && beep->IsLoaded() && hum && hum->IsLoaded());

    Vl::SoundChannel* first = nullptr;
    Vl::SoundChannel* second = nullptr;
    ASSERT_EQ(VlSoundChannelCreate(&first, 0, 0), VlOk);
    ASSERT_EQ(VlSoundChannelCreate(&second, 0, 0), VlOk);
    EXPECT_EQ(first->Play(beep, true), VlOk);
    EXPECT_EQ(second->Play(hum, true), VlOk);
    EXPECT_TRUE(first->IsPlaying());
    EXPECT_TRUE(second->IsPlaying());
    EXPECT_EQ(first->Stop(), VlOk);
    EXPECT_FALSE(first->IsPlaying());
    EXPECT_TRUE(second->IsPlaying());

    first->Release();
    second->Release();
    beep->Release();
    hum->Release();
    EXPECT_EQ(VlSoundSystemStop(), VlOk);
}

TEST_F(SdlAudio, CdOutputPlaysTrackFilesAndStops)
{
    TempFolder folder;
    folder.Write("track02.wav", [] {
        const std::vector<uint8_t> bytes = Tone(2, 44100, 16, 44100 * 3);
        return std::string(bytes.begin(), bytes.end());
    }());
    SdlCdAudioOutput output;
    EXPECT_FALSE(output.Play(folder.File("missing.ogg"), 0, CdAudioOutput::kToEnd));
    ASSERT_TRUE(output.Play(folder.File("track02.wav"), 1000, CdAudioOutput::kToEnd));
    EXPECT_TRUE(output.IsPlaying());
    EXPECT_GE(output.PositionMs(), 1000u);
    output.Stop();
    EXPECT_FALSE(output.IsPlaying());

    // An end position already passed ends the play when it is next looked at.
    ASSERT_TRUE(output.Play(folder.File("track02.wav"), 2000, 1000));
    EXPECT_FALSE(output.IsPlaying());
}
