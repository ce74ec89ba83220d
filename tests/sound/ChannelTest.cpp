// Sound channels, channel packs and the sound system on the headless device.
#include "ChannelPackImp.h"
#include "SoundChannelSdlImp.h"
#include "MemorySound.h"
#include "SoundWorld.h"
#include "VlChannelPack.h"
#include "VlSoundChannel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A started sound system over the world's headless device.
class Channels : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(VlSoundSystemStart(nullptr), VlOk); }

    // A new sound (count 1) that the test releases.
    MemorySound* Sound(const std::string& name, uint32_t lengthMs = 1000, bool* destroyed = nullptr)
    {
        return new MemorySound(name, lengthMs, destroyed);
    }

    std::vector<std::string> PlayedLabels() const
    {
        std::vector<std::string> labels;
        for (const auto& play : world.device.Plays())
            labels.push_back(play.label);
        return labels;
    }

    SoundWorld world;
};

struct Released {
    void operator()(Vl::Base* object) const { object->Release(); }
};
using ChannelPtr = std::unique_ptr<Vl::SoundChannel, Released>;
using PackPtr = std::unique_ptr<Vl::ChannelPack, Released>;
using SoundPtr = std::unique_ptr<MemorySound, Released>;

ChannelPtr MakeChannel()
{
    Vl::SoundChannel* channel = nullptr;
    EXPECT_EQ(VlSoundChannelCreate(&channel, 0, 0), VlOk);
    return ChannelPtr(channel);
}

PackPtr MakePack(uint8_t count = 5)
{
    Vl::ChannelPack* pack = nullptr;
    EXPECT_EQ(VlChannelPackCreate(&pack, count, 0, 0), VlOk);
    return PackPtr(pack);
}

// Fills a pack of five with looping priority-0 sounds, "loop0.wav" to "loop4.wav".
std::vector<SoundPtr> FillWithLoops(Vl::ChannelPack& pack)
{
    std::vector<SoundPtr> loops;
    for (int i = 0; i < 5; ++i) {
        loops.emplace_back(new MemorySound("loop" + std::to_string(i) + ".wav", 1000, nullptr));
        EXPECT_EQ(pack.Play(loops.back().get(), 0, true, true), VlOk);
    }
    return loops;
}

} // namespace

TEST_F(Channels, ChannelPlaysForTheSoundsLengthOrUntilStopped)
{
    ChannelPtr channel = MakeChannel();
    SoundPtr shortSound(Sound("short.wav", 500));
    SoundPtr loop(Sound("loop.wav", 500));
    EXPECT_FALSE(channel->IsPlaying());

    ASSERT_EQ(channel->Play(shortSound.get(), false), VlOk);
    EXPECT_TRUE(channel->IsPlaying());
    world.clock.Advance(499);
    EXPECT_TRUE(channel->IsPlaying());
    world.clock.Advance(1);
    EXPECT_FALSE(channel->IsPlaying());

    ASSERT_EQ(channel->Play(loop.get(), true), VlOk);
    world.clock.Advance(10000);
    EXPECT_TRUE(channel->IsPlaying());
    EXPECT_TRUE(static_cast<Vl::SoundChannelSdlImp*>(channel.get())->IsLooping());
    EXPECT_EQ(channel->Stop(), VlOk);
    EXPECT_FALSE(channel->IsPlaying());
}

TEST_F(Channels, ANewSoundCutsTheOldOneOffButAnUnloadedOneIsRefused)
{
    ChannelPtr channel = MakeChannel();
    SoundPtr first(Sound("first.wav"));
    SoundPtr unloaded(new MemorySound("unloaded.wav", 1000, nullptr, false));
    ASSERT_EQ(channel->Play(first.get(), true), VlOk);

    EXPECT_EQ(channel->Play(unloaded.get(), false), ErrSoundNotLoaded);
    EXPECT_EQ(channel->Play(nullptr, false), ErrParam);
    EXPECT_EQ(world.device.SoundingNow(), std::vector<std::string>{"first.wav"});

    SoundPtr second(Sound("second.wav"));
    ASSERT_EQ(channel->Play(second.get(), false), VlOk);
    EXPECT_EQ(world.device.SoundingNow(), std::vector<std::string>{"second.wav"});
    // The old samples were given back to the device.
    EXPECT_EQ(world.device.VoiceCount(), 1u);
}

TEST_F(Channels, AChannelKeepsItsOwnCopyOfTheSamples)
{
    ChannelPtr channel = MakeChannel();
    bool destroyed = false;
    MemorySound* sound = Sound("gone.wav", 1000, &destroyed);
    ASSERT_EQ(channel->Play(sound, false), VlOk);
    sound->Release();
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(channel->IsPlaying());
}

TEST_F(Channels, ASilentGameAnswersSscuAndTheStartFailuresAreReported)
{
    ChannelPtr channel = MakeChannel();
    SoundPtr sound(Sound("any.wav"));
    VlSoundSystemStop();
    EXPECT_EQ(channel->Play(sound.get(), false), ErrSoundCall);
    EXPECT_FALSE(channel->IsPlaying());

    world.device.SetOpenResult(Vl::AudioResult::NoDriver);
    testing::internal::CaptureStderr();
    EXPECT_EQ(VlSoundSystemStart(nullptr), ErrSoundInit);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "####CHECKERROR: No sound driver is available for use\n");

    Vl::Host host = Vl::GetHost();
    host.audio = nullptr;
    Vl::SetHost(host);
    testing::internal::CaptureStderr();
    EXPECT_EQ(VlSoundSystemStart(nullptr), ErrSoundInit);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(channel->Play(sound.get(), false), ErrSoundCall);
}

TEST_F(Channels, DeviceFailuresWriteTheirCheckErrorText)
{
    ChannelPtr channel = MakeChannel();
    SoundPtr sound(Sound("any.wav"));
    world.device.SetVoiceResult(Vl::AudioResult::BadFormat);
    testing::internal::CaptureStderr();
    EXPECT_EQ(channel->Play(sound.get(), false), ErrSoundCall);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "####CHECKERROR: The specified WAVE format is not supported\n");

    world.device.SetVoiceResult(Vl::AudioResult::Generic);
    testing::internal::CaptureStderr();
    EXPECT_EQ(channel->Play(sound.get(), false), ErrSoundCall);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "####CHECKERROR: An undetermined error occured inside the DirectSound subsystem\n");
}

TEST_F(Channels, ChannelsSurviveARestartOfTheSoundSystem)
{
    ChannelPtr channel = MakeChannel();
    SoundPtr sound(Sound("again.wav"));
    ASSERT_EQ(channel->Play(sound.get(), true), VlOk);
    VlSoundSystemStop();
    EXPECT_FALSE(channel->IsPlaying());
    EXPECT_EQ(channel->Stop(), VlOk);
    ASSERT_EQ(VlSoundSystemStart(nullptr), VlOk);
    ASSERT_EQ(channel->Play(sound.get(), true), VlOk);
    EXPECT_TRUE(channel->IsPlaying());
}

TEST_F(Channels, PackFactoryChecksItsArguments)
{
    Vl::ChannelPack* pack = nullptr;
    EXPECT_EQ(VlChannelPackCreate(&pack, 0, 0, 0), ErrParam);
    EXPECT_EQ(VlChannelPackCreate(nullptr, 5, 0, 0), ErrParam);
    EXPECT_EQ(VlSoundChannelCreate(nullptr, 0, 0), ErrParam);
    PackPtr made = MakePack(5);
    EXPECT_EQ(static_cast<Vl::ChannelPackImp*>(made.get())->ChannelCount(), 5u);

    // A missing sound is refused without passing through the reporter.
    VlReportError(ErrMemFull);
    EXPECT_EQ(made->Play(nullptr, 0, true, false), ErrParam);
    EXPECT_EQ(VlGetLastError(), ErrMemFull);
}

TEST_F(Channels, AFullPackQueuesOrRefusesPriorityZero)
{
    PackPtr pack = MakePack();
    const std::vector<SoundPtr> loops = FillWithLoops(*pack);
    ASSERT_EQ(world.device.Plays().size(), 5u);
    SoundPtr sixth(Sound("sixth.wav"));
    EXPECT_EQ(pack->Play(sixth.get(), 0, false, false), ErrSoundCall);
    EXPECT_EQ(pack->Play(sixth.get(), 0, true, false), VlOk);
    EXPECT_EQ(pack->Update(), ErrSoundCall);
    EXPECT_EQ(world.device.Plays().size(), 5u);

    // Stopping one loop frees its channel; the next frame's update starts the waiting sound.
    const int lane = world.device.Plays()[2].lane;
    ASSERT_EQ(world.device.Stop(lane), Vl::AudioResult::Ok);
    EXPECT_EQ(pack->Update(), VlOk);
    ASSERT_EQ(world.device.Plays().size(), 6u);
    EXPECT_EQ(world.device.Plays().back().label, "sixth.wav");
    EXPECT_EQ(world.device.Plays().back().lane, lane);
    EXPECT_EQ(static_cast<Vl::ChannelPackImp*>(pack.get())->PendingCount(), 0u);
}

TEST_F(Channels, HigherPriorityTakesOverTheLowestBusyChannel)
{
    PackPtr pack = MakePack();
    const std::vector<SoundPtr> loops = FillWithLoops(*pack);
    ASSERT_EQ(world.device.Plays().size(), 5u);
    SoundPtr urgent1(Sound("urgent1.wav"));
    SoundPtr urgent2(Sound("urgent2.wav"));
    ASSERT_EQ(pack->Play(urgent1.get(), 20, false, false), VlOk);
    ASSERT_EQ(pack->Play(urgent2.get(), 20, false, false), VlOk);
    const auto& plays = world.device.Plays();
    ASSERT_EQ(plays.size(), 7u);
    EXPECT_EQ(plays[5].lane, plays[0].lane);
    EXPECT_EQ(plays[6].lane, plays[1].lane);
    const std::vector<std::string> sounding = world.device.SoundingNow();
    EXPECT_EQ(sounding, (std::vector<std::string>{"urgent1.wav", "urgent2.wav", "loop2.wav", "loop3.wav", "loop4.wav"}));

    // Equal priorities never take over each other.
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(pack->Play(urgent1.get(), 20, false, false), VlOk);
    EXPECT_EQ(pack->Play(urgent2.get(), 20, false, false), ErrSoundCall);
}

TEST_F(Channels, QueuedRequestsStartHighestPriorityFirst)
{
    PackPtr pack = MakePack();
    std::vector<SoundPtr> blockers;
    for (int i = 0; i < 5; ++i) {
        blockers.emplace_back(Sound("blocker" + std::to_string(i) + ".wav", 1000 + 1000 * i));
        ASSERT_EQ(pack->Play(blockers.back().get(), 20, true, false), VlOk);
    }
    SoundPtr three(Sound("three.wav", 60000));
    SoundPtr five(Sound("five.wav", 60000));
    ASSERT_EQ(pack->Play(three.get(), 3, true, false), VlOk);
    ASSERT_EQ(pack->Play(five.get(), 5, true, false), VlOk);
    world.device.ClearPlays();

    world.clock.Advance(1000);
    pack->Update();
    world.clock.Advance(1000);
    pack->Update();
    EXPECT_EQ(PlayedLabels(), (std::vector<std::string>{"five.wav", "three.wav"}));
}

TEST_F(Channels, StopAllDropsQueuedSoundsAndSilencesEveryChannel)
{
    PackPtr pack = MakePack(1);
    SoundPtr playing(Sound("playing.wav"));
    ASSERT_EQ(pack->Play(playing.get(), 0, true, true), VlOk);
    bool destroyed = false;
    MemorySound* queued = Sound("queued.wav", 1000, &destroyed);
    ASSERT_EQ(pack->Play(queued, 0, true, false), VlOk);
    queued->Release();
    EXPECT_FALSE(destroyed);

    EXPECT_EQ(pack->StopAll(), VlOk);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(pack->IsPlaying());
    EXPECT_EQ(pack->Update(), VlOk);
    EXPECT_TRUE(world.device.SoundingNow().empty());
}

TEST_F(Channels, AQueuedSoundThatCanNeverPlayDoesNotBlockTheQueue)
{
    PackPtr pack = MakePack(1);
    SoundPtr blocker(Sound("blocker.wav", 100));
    ASSERT_EQ(pack->Play(blocker.get(), 20, true, false), VlOk);
    SoundPtr unloaded(new MemorySound("unloaded.wav", 100, nullptr, false));
    SoundPtr waiting(Sound("waiting.wav", 100));
    ASSERT_EQ(pack->Play(unloaded.get(), 9, true, false), VlOk);
    ASSERT_EQ(pack->Play(waiting.get(), 1, true, false), VlOk);

    world.clock.Advance(100);
    EXPECT_EQ(pack->Update(), ErrSoundNotLoaded);
    EXPECT_EQ(world.device.SoundingNow(), std::vector<std::string>{"waiting.wav"});
}

TEST_F(Channels, PauseDropsTheQueueAndDestroyingAPackSilencesIt)
{
    PackPtr pack = MakePack(1);
    SoundPtr loop(Sound("loop.wav"));
    bool destroyed = false;
    MemorySound* queued = Sound("queued.wav", 1000, &destroyed);
    ASSERT_EQ(pack->Play(loop.get(), 0, true, true), VlOk);
    ASSERT_EQ(pack->Play(queued, 0, true, false), VlOk);
    queued->Release();
    EXPECT_EQ(pack->Pause(), VlOk);
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(pack->IsPlaying());
    EXPECT_EQ(pack->Resume(), VlOk);

    pack.reset();
    EXPECT_TRUE(world.device.SoundingNow().empty());
}
