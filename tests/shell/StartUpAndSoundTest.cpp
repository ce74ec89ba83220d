// What the settings change at start-up, and the sound and CD around screen switches.
#include "HeadlessGame.h"

#include "FrameKeeper.h"
#include "GlInterfaceRun.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzCollide.h"
#include "BmpWriter.h"
#include "HeadlessAudioDevice.h"
#include "HeadlessCdAudioOutput.h"
#include "RecordingLauncher.h"
#include "TempFolder.h"
#include "VlChannelPack.h"
#include "VlFile.h"
#include "VlRedbook.h"
#include "VlSound.h"
#include "VlSoundChannel.h"
#include "WaveWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A screen that runs one action when it loads and, on the frame given, stores a plain successor.
class SoundScreen : public GlInterfaceRun {
public:
    SoundScreen(std::function<void()> onLoad, int switchAtFrame = -1)
        : mOnLoad(std::move(onLoad)), mSwitchAtFrame(switchAtFrame)
    {
    }
    ~SoundScreen() override
    {
        for (Vl::Sound* sound : mSounds)
            sound->Release();
    }
    void Load() override
    {
        if (mOnLoad)
            mOnLoad();
    }
    bool RunFrame() override
    {
        if (mFrame++ == mSwitchAtFrame)
            gNextScreen = new SoundScreen(nullptr);
        return true;
    }
    // Loads a media sound that lives as long as the screen.
    Vl::Sound* Keep(const std::string& name)
    {
        Vl::Sound* sound = nullptr;
        EXPECT_EQ(Vlu::SoundCreateAndLoad(&sound, name), VlOk) << name;
        if (sound)
            mSounds.push_back(sound);
        return sound;
    }

private:
    std::function<void()> mOnLoad;
    int mSwitchAtFrame;
    int mFrame = 0;
    std::vector<Vl::Sound*> mSounds;
};

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCurrentPlayer(); }

    // A mono 8-bit sound of the given length at 1000 samples a second.
    void WriteSound(const std::string& name, int lengthMs)
    {
        mediagen::PcmSound sound;
        sound.sampleRate = 1000;
        sound.bitsPerSample = 8;
        sound.samples.assign(static_cast<size_t>(lengthMs), 0);
        const std::vector<uint8_t> bytes = mediagen::EncodeWave(sound);
        mFolder.Write(name, std::string(bytes.begin(), bytes.end()));
    }

    TempFolder mFolder;
};

TEST_F(StartUpTest, WithoutSettingsTheGameIsFullScreenWithItsMediaBesideIt)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new SoundScreen(nullptr)));
    std::string media;
    EXPECT_EQ(VlGetMediaPath(media), VlOk);
    EXPECT_EQ(media, mFolder.Path() + "/_media/");
    EXPECT_FALSE(game.Presenter().Windowed());
    EXPECT_EQ(gCollisionRectImage, nullptr);
    game.Finish();
}

TEST_F(StartUpTest, SettingsChooseTheWindowTheMediaFolderAndTheCollisionMarker)
{
    mFolder.Write("gl.config", "FullScreen 0\nShowCollisionRects 1\nMediaPath " + mFolder.Path() + "/art\n");
    mediagen::IndexedImage marker{4, 4, std::vector<uint8_t>(16, 7)};
    const std::vector<uint8_t> bitmap = mediagen::EncodeBmp8(marker, mediagen::Palette{});
    mFolder.Write("art/CollRect.bmp", std::string(bitmap.begin(), bitmap.end()));

    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new SoundScreen(nullptr)));
    std::string media;
    VlGetMediaPath(media);
    EXPECT_EQ(media, mFolder.Path() + "/art/") << "one separator appended";
    EXPECT_TRUE(game.Presenter().Windowed());
    ASSERT_NE(gCollisionRectImage, nullptr);
    EXPECT_EQ(gCollisionRectImage->GetWidth(), 4);
    game.Finish();
    EXPECT_EQ(gCollisionRectImage, nullptr);
}

TEST_F(StartUpTest, TheFrameRateOverlayIsDrawnOnlyWhenAskedFor)
{
    // Text at (10, 10) in the built-in font: any pixel of its first cells that is
    // not the clear colour shows the overlay was queued.
    auto overlayDrawn = [](const std::vector<uint8_t>& frame) {
        for (int y = 10; y < 26; ++y)
            for (int x = 10; x < 90; ++x)
                if (frame[static_cast<size_t>(y) * 640 + x] != 255)
                    return true;
        return false;
    };
    for (bool shown : {false, true}) {
        mFolder.Write("gl.config", shown ? "ShowFrameRate 1\n" : "ShowFrameRate 0\n");
        HeadlessGame game(mFolder.Path(), 20);
        ASSERT_TRUE(game.Start(new SoundScreen(nullptr)));
        for (int frame = 0; frame < 12; ++frame)
            ASSERT_TRUE(game.Step());
        ASSERT_EQ(game.LastFrame().size(), 640u * 480u);
        EXPECT_EQ(overlayDrawn(game.LastFrame()), shown);
        game.Finish();
    }
}

TEST_F(StartUpTest, ASwitchSilencesEverySoundAndTheCd)
{
    WriteSound("_media/loop.wav", 3000);
    WriteSound("_media/effect.wav", 3000);
    WriteSound("cd/track02.wav", 60000);
    WriteSound("cd/track03.wav", 60000);

    SoundScreen* first = nullptr;
    first = new SoundScreen(
        [&first]() {
            gChannel1->Play(first->Keep("loop.wav"), true);
            gChannelPack->Play(first->Keep("effect.wav"), 0, true, false);
            gCdPlayer->Play(2, true);
        },
        1);
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(first));
    ASSERT_TRUE(game.Step());
    EXPECT_EQ(game.Audio().SoundingNow().size(), 2u);
    EXPECT_TRUE(game.CdOutput().IsPlaying());

    ASSERT_TRUE(game.Step());
    EXPECT_TRUE(game.Audio().SoundingNow().empty());
    EXPECT_FALSE(game.CdOutput().IsPlaying());
    game.Finish();
}

TEST_F(StartUpTest, WithoutPlayCdTheCdPlaysOnAcrossASwitch)
{
    mFolder.Write("gl.config", "PlayCD 0\n");
    WriteSound("cd/track02.wav", 60000);
    WriteSound("cd/track03.wav", 60000);
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new SoundScreen([]() { gCdPlayer->Play(2, false); }, 0)));
    ASSERT_TRUE(game.Step());
    EXPECT_TRUE(game.CdOutput().IsPlaying());
    game.Finish();
}

TEST_F(StartUpTest, ALoopingCdTrackIsStartedAgainAboutASecondAfterItEnds)
{
    WriteSound("cd/track02.wav", 1000);
    WriteSound("cd/track03.wav", 1000);
    HeadlessGame game(mFolder.Path(), 17);
    ASSERT_TRUE(game.Start(new SoundScreen([]() { gCdPlayer->Play(2, true); })));
    for (int frame = 0; frame < 400; ++frame)
        ASSERT_TRUE(game.Step());

    const auto& plays = game.CdOutput().Plays();
    ASSERT_GE(plays.size(), 3u);
    for (size_t i = 1; i < plays.size(); ++i) {
        EXPECT_NE(plays[i].path.find("track02"), std::string::npos);
        const uint32_t gap = plays[i].startMs - plays[i - 1].startMs;
        // The track's second, then at most one poll interval of about a second.
        EXPECT_GE(gap, 1000u);
        EXPECT_LE(gap, 2100u);
    }
    game.Finish();
}

TEST_F(StartUpTest, AFailedCardProgramStartIsLoggedWithItsOwnText)
{
    const std::pair<Vl::LaunchResult, int> cases[] = {
        {Vl::LaunchResult::OutOfMemory, 0}, {Vl::LaunchResult::FileNotFound, 1},
        {Vl::LaunchResult::PathNotFound, 2}, {Vl::LaunchResult::BadExecutable, 3},
        {Vl::LaunchResult::OtherFailure, -1}, {Vl::LaunchResult::Started, -1},
    };
    const std::string lines[] = {
        "The system is out of memory or resources. ",
        "The specified file was not found.  ",
        "The specified path was not found.  ",
        "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).  ",
    };
    for (const auto& [result, expected] : cases) {
        HeadlessGame game(mFolder.Path());
        ASSERT_TRUE(game.Start(new SoundScreen([]() {
            gQuitGame = true;
            gStartCardProgram = true;
        })));
        game.Launcher().SetResult(result);
        EXPECT_FALSE(game.Step());
        game.Finish();
        ASSERT_EQ(game.LaunchedCommands().size(), 1u);
        const std::string log = mFolder.Read("azLog.log");
        for (int i = 0; i < 4; ++i) {
            const bool written = log.find(lines[i]) != std::string::npos;
            EXPECT_EQ(written, i == expected) << lines[i];
        }
        if (expected >= 0) {
            EXPECT_EQ(log.substr(log.size() - lines[expected].size()), lines[expected]) << "written last";
        }
    }
}

} // namespace
