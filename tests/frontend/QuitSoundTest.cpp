// "Quit" then "Yes": the game ends only once the goodbye sound has played out.
#include "FrontendTestEnvironment.h"

#include "GlFrameTiming.h"
#include "GlMenuMain.h"
#include "GlScreenState.h"
#include "HeadlessAudioDevice.h"
#include "PlayerRecord.h"
#include "ScriptedKeyboard.h"
#include "VirtualClock.h"
#include "VlHost.h"
#include "VlKeys.h"
#include "VlSoundChannel.h"
#include "VlSoundSystem.h"
#include "WaveWriter.h"

namespace {

class QuitSoundTest : public FrontendTest {
protected:
    void SetUp() override
    {
        FrontendTest::SetUp();
        GlResetScreenState();
        GlResetFrameTiming();
        GlMenuMain::ResetQuitConfirmation();
        Vl::Host host;
        host.clock = &mClock;
        host.keys = &mKeyboard;
        host.audio = &mAudio;
        Vl::SetHost(host);
        ASSERT_EQ(VlSoundSystemStart(nullptr), VlOk);
        ASSERT_EQ(VlSoundChannelCreate(&gChannel1, 0, 0), VlOk);
    }
    void TearDown() override
    {
        delete mMenu;
        gChannel1->Release();
        gChannel1 = nullptr;
        VlSoundSystemStop();
        Vl::SetHost(Vl::Host());
        GlMenuMain::ResetQuitConfirmation();
        GlResetScreenState();
        FrontendTest::TearDown();
    }

    void Frame(int key = -1)
    {
        mKeyboard.ReleaseAll();
        if (key >= 0)
            mKeyboard.SetDown(key, true);
        mMenu->RunFrame();
        gDrawQueue.DrainAndExecute();
        lrFlip();
        mClock.Advance(20);
    }

    Vl::VirtualClock mClock{5000};
    Vl::ScriptedKeyboard mKeyboard;
    Vl::HeadlessAudioDevice mAudio;
    GlMenuMain* mMenu = nullptr;
};

TEST_F(QuitSoundTest, TheGameEndsWhenTheQuitSoundHasFinished)
{
    mediagen::PcmSound goodbye;
    goodbye.samples.assign(22050 / 2, 1000); // half a second
    WriteMedia("waves/menu/quit01.wav", mediagen::EncodeWave(goodbye));
    mMenu = new GlMenuMain();
    mMenu->Load();

    for (int key : {Vl::kVK_Up, -1, Vl::kVK_Return, -1, Vl::kVK_Left, -1, Vl::kVK_Return})
        Frame(key);
    ASSERT_TRUE(GlMenuMain::GetQuitConfirmation().quitting);
    ASSERT_EQ(mAudio.Plays().size(), 1u);
    EXPECT_EQ(mAudio.Plays()[0].label, "quit01.wav");
    const uint32_t soundEnds = mAudio.Plays()[0].startMs + mAudio.Plays()[0].lengthMs;

    // Keys do nothing while the sound plays.
    while (!gQuitGame && mClock.Milliseconds() < soundEnds + 1000)
        Frame(Vl::kVK_Right);
    EXPECT_TRUE(gQuitGame);
    EXPECT_GE(mClock.Milliseconds(), soundEnds);
    EXPECT_EQ(GlMenuMain::GetQuitConfirmation().answer, GlMenuMain::kAnswerYes);
    EXPECT_FALSE(gStartCardProgram);
}

} // namespace
