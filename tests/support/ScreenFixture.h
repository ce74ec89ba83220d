// One screen driven outside the main loop: its own media folder and logs, a display
// without presenter, a virtual clock, scripted keys and a silent sound device with the pack.
#pragma once

#include "GlFrameTiming.h"
#include "GlInterfaceRun.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"
#include "TempFolder.h"

#include "AzDrawQueue.h"
#include "BmpWriter.h"
#include "HeadlessAudioDevice.h"
#include "MediaFile.h"
#include "ScriptedKeyboard.h"
#include "SpxWriter.h"
#include "VirtualClock.h"
#include "VlChannelPack.h"
#include "VlFile.h"
#include "VlHost.h"
#include "VlLog.h"
#include "VlSoundSystem.h"
#include "lrDisplay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ScreenFixture : public ::testing::Test {
protected:
    static constexpr uint32_t kStartMs = 50000;

    void SetUp() override
    {
        VlResetPaths();
        VlSetMediaPath(mFolder.File("media"));
        Vl::OpenLogs(mFolder.Path());
        GlResetScreenState();
        GlResetFrameTiming();
        ResetCurrentPlayer();
        Vl::Host host;
        host.clock = &mClock;
        host.keys = &mKeys;
        host.audio = &mAudio;
        Vl::SetHost(host);
        ASSERT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 1);
        lrSetColorKey(254);
        ASSERT_EQ(VlSoundSystemStart(nullptr), VlOk);
        ASSERT_EQ(VlChannelPackCreate(&gChannelPack, 5, 0, 0), VlOk);
    }

    void TearDown() override
    {
        DropScreen();
        gDrawQueue.Clear();
        gChannelPack->Release();
        gChannelPack = nullptr;
        VlSoundSystemStop();
        lrDestroyDisplay();
        Vl::SetHost(Vl::Host());
        Vl::CloseLogs();
        VlResetPaths();
        GlResetScreenState();
        ResetCurrentPlayer();
    }

    // Makes the screen current as the loop does: a present, Load, a present.
    void Start(GlInterfaceRun* screen)
    {
        DropScreen();
        mScreen = screen;
        gCurrentScreen = screen;
        gNextScreen = screen;
        lrFlip();
        mScreen->Load();
        lrFlip();
    }

    // One pass of the loop for this screen; the clock then moves on by ms.
    // Nothing is presented, so a test can look at the picture of the frame.
    bool Draw()
    {
        bool answer = mScreen->RunFrame();
        gChannelPack->Update();
        gDrawQueue.DrainAndExecute();
        return answer;
    }
    bool Frame(uint32_t ms)
    {
        bool answer = Draw();
        lrFlip();
        mClock.Advance(ms);
        return answer;
    }

    // The class name of the stored successor; "" while none is stored.
    static std::string Successor()
    {
        return gNextScreen == gCurrentScreen ? std::string() : GlScreenClassName(gNextScreen);
    }
    // The name a transition to the class gives: "" while the class is not built.
    static std::string NameIfBuilt(const std::string& className)
    {
        GlInterfaceRun* screen = GlCreateScreen(className);
        delete screen;
        return screen != nullptr ? className : std::string();
    }

    void WriteMedia(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        ASSERT_TRUE(mediagen::WriteMediaFile(mFolder.File("media/" + name), bytes));
    }
    // A picture of one colour.
    void WriteBitmap(const std::string& name, int width, int height, uint8_t colour)
    {
        mediagen::IndexedImage image{width, height, std::vector<uint8_t>(static_cast<size_t>(width * height), colour)};
        WriteMedia(name, mediagen::EncodeBmp8(image, mediagen::Palette{}));
    }
    // Frame i is a solid block of colour firstColour + i, so the picture tells the frame.
    void WriteSprite(const std::string& name, int frames, int width, int height, int firstColour)
    {
        std::vector<mediagen::SpxFrame> spx;
        for (int i = 0; i < frames; ++i) {
            mediagen::IndexedImage image{width, height,
                                         std::vector<uint8_t>(static_cast<size_t>(width * height),
                                                              static_cast<uint8_t>(firstColour + i))};
            spx.push_back({image, 0, 0});
        }
        WriteMedia(name, mediagen::EncodeSpx(spx));
    }

    std::string Log() const { return mFolder.Read("azLog.log"); }
    static uint8_t Pixel(int x, int y) { return lrGetBackBuffer()[y * lrGetScreenWidth() + x]; }

    TempFolder mFolder;
    Vl::VirtualClock mClock{kStartMs};
    Vl::ScriptedKeyboard mKeys;
    Vl::HeadlessAudioDevice mAudio;
    GlInterfaceRun* mScreen = nullptr;

private:
    void DropScreen()
    {
        if (gNextScreen != mScreen)
            delete gNextScreen;
        delete mScreen;
        mScreen = nullptr;
        gCurrentScreen = nullptr;
        gNextScreen = nullptr;
    }
};
