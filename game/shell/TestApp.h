// The game's application: start-up, the main loop that drives one screen a frame, close-down.
#pragma once

#include "GlFrameRateMeter.h"
#include "GlScreenshotKey.h"
#include "VlApplication.h"

#include <functional>

class GlInterfaceRun;

class TestApp : public VlApplication {
public:
    TestApp();
    ~TestApp() override;

    VlResult Run() override;

    // Run in three pieces, so tests and the playtest tool can drive the real
    // loop frame by frame. firstScreen null: the game's own first screen.
    void StartUp(GlInterfaceRun* firstScreen = nullptr);
    // One pass of the main loop; false once the loop is left.
    bool RunOneFrame();
    void CloseDown();

    // Called right after each frame's own present (not the empty presents
    // around a screen switch), e.g. to save that picture.
    void SetFramePresentedHook(std::function<void()> hook);

private:
    void StartSound();
    void UpdateSound();
    void PollCd();
    void StopSoundForSwitch();
    void ReleaseSound();
    void QueueFrameRate();
    void HoldPicture();
    void SwitchScreen();
    void StartCardProgram();
    void ReportMissingMedia();

    GlFrameRateMeter mFrameRate;
    float mCdPollAccumulator = 0.0f;
    std::function<void()> mFramePresentedHook;
    GlScreenshotKey mScreenshots;
    size_t mReportedMissingMedia = 0;
};

// Makes the one application object.
VlApplication* CreateApplication();
