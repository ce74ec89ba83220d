// The game's application: start-up order, the per-frame loop, screen switches and close-down.
#include "TestApp.h"

#include "GlFrameTiming.h"
#include "GlInterfaceRun.h"
#include "GlMenuMain.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "GlSplash1.h"

#include "AzBlitterObject.h"
#include "AzCollide.h"
#include "AzDrawOSTextCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"

#include "VlChannelPack.h"
#include "VlFile.h"
#include "VlRedbook.h"
#include "VlSoundChannel.h"
#include "VlSoundSystem.h"
#include "VlHost.h"
#include "VlKeys.h"
#include "VlLog.h"
#include "lrDisplay.h"

#include <filesystem>
#include <iostream>
#include <new>
#include <system_error>
#include <string>

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kTransparentIndex = 254;

std::string SettingsFile()
{
    const std::string& folder = Vl::GetHost().settingsFolder;
    return folder.empty() ? std::string("gl.config") : folder + "/gl.config";
}

void SetMediaDirectory()
{
    const std::string& mediaPath = Settings().MediaPath;
    if (mediaPath != "default") {
        VlSetMediaPath(mediaPath);
    } else {
        // No media directory is set yet, so this answers the working directory.
        std::string path;
        VlGetMediaPath(path);
        // An installed game's working directory is the player's own folder;
        // its media stay in the read-only install tree.
        const std::string& shared = Vl::GetHost().sharedDataFolder;
        std::error_code error;
        if (!shared.empty() && !std::filesystem::is_directory(path + "_media", error))
            path = shared + "/";
        VlSetMediaPath(path + "_media");
    }
    std::string media;
    VlGetMediaPath(media);
    std::error_code error;
    if (!std::filesystem::is_directory(media, error)) {
        std::cerr << "skyrun: the media folder " << media << " does not exist"
                  << (mediaPath != "default" ? " (MediaPath in gl.config)" : "") << "; the game has nothing to show.\n";
    }
}

std::string LogFileName()
{
    std::string folder;
    VlGetBinaryPath(folder);
    return folder + "azLog.log";
}

// The single channels in the order the loop updates and stops them.
void OnSingleChannels(VlResult (Vl::SoundChannel::*operation)())
{
    for (Vl::SoundChannel* channel : {gChannel1, gChannel2, gChannel3}) {
        if (channel != nullptr)
            (channel->*operation)();
    }
}

} // namespace

TestApp::TestApp() = default;

TestApp::~TestApp() = default;

VlResult TestApp::Run()
{
    StartUp();
    while (RunOneFrame()) {
    }
    CloseDown();
    return 0;
}

void TestApp::StartUp(GlInterfaceRun* firstScreen)
{
    azLog() << "TestApp::Run - started.\n" << std::flush;
    LoadSettings(SettingsFile());
    if (Vl::EventPump* events = Vl::GetHost().events)
        events->SetPauseOnFocusLoss(Settings().PauseOnFocusLoss);
    SetMediaDirectory();
    StartSound();

    lrSetWindow(GetMainWindow());
    lrCreateDisplay(kScreenWidth, kScreenHeight, 8, Settings().FullScreen ? 0 : lrWindowedFlag);
    az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp");
    lrSetColorKey(kTransparentIndex);

    mFrameRate.Reset();
    mCdPollAccumulator = 0.0f;

    if (Settings().ShowCollisionRects)
        gCollisionRectImage = az::LoadBlitterObject("CollRect.bmp");

    mScreenshots.Load();

    gCurrentScreen = firstScreen != nullptr ? firstScreen : new GlSplash1();
    gNextScreen = gCurrentScreen;
    gCurrentScreen->Load();
    ReportMissingMedia();
}

void TestApp::ReportMissingMedia()
{
    const size_t missing = VlMissingMediaCount();
    if (missing == 0 || missing == mReportedMissingMedia)
        return;
    // Said once: after the first screen has loaded, or else at the end. The
    // log has every name, the terminal only the sum.
    std::cerr << "skyrun: " << missing << (missing == 1 ? " media file" : " media files")
              << " could not be loaded; see " << LogFileName() << "\n";
    mReportedMissingMedia = missing;
}

bool TestApp::RunOneFrame()
{
    if (ProcessMessages() == ErrAppQuitRequested)
        return false;
    if (gQuitGame)
        return false;

    UpdateSound();
    PollCd();
    if (Settings().ShowFrameRate)
        QueueFrameRate();

    gCurrentScreen->RunFrame();
    gDrawQueue.DrainAndExecute();
    // The finished picture is still in the back buffer until the present clears it.
    mScreenshots.RunFrame();
    lrFlip();
    if (mFramePresentedHook)
        mFramePresentedHook();

    HoldPicture();

    if (IsKeyDown(Vl::kVK_Escape)) {
        // A successor stored earlier this frame never becomes current.
        if (gNextScreen != gCurrentScreen)
            delete gNextScreen;
        gNextScreen = new GlMenuMain();
    }

    SwitchScreen();
    return true;
}

void TestApp::CloseDown()
{
    delete gCurrentScreen;
    gCurrentScreen = nullptr;
    gNextScreen = nullptr;
    if (Settings().ShowCollisionRects) {
        delete gCollisionRectImage;
        gCollisionRectImage = nullptr;
    }
    lrDestroyDisplay();
    mScreenshots.Release();
    ReleaseSound();
    if (mReportedMissingMedia == 0)
        ReportMissingMedia();
    if (gStartCardProgram)
        StartCardProgram();
}

void TestApp::SetFramePresentedHook(std::function<void()> hook)
{
    mFramePresentedHook = std::move(hook);
}

void TestApp::PollCd()
{
    // At most a tenth of a second counts per frame, so the CD is polled about
    // once a second of play, not after a long load.
    mCdPollAccumulator += FrameStep(10, true);
    if (mCdPollAccumulator < 10.0f)
        return;
    mCdPollAccumulator = 0.0f;
    if (gCdPlayer != nullptr)
        gCdPlayer->Poll();
}

void TestApp::StartSound()
{
    // The results are not looked at: without a device the game runs silent
    // and every later call fails quietly.
    VlSoundChannelCreate(&gChannel1, 0, 0);
    VlSoundChannelCreate(&gChannel2, 0, 0);
    VlSoundChannelCreate(&gChannel3, 0, 0);
    VlChannelPackCreate(&gChannelPack, 5, 0, 0);
    VlRedbookCreate(&gCdPlayer);
    VlSoundSystemStart(GetMainWindow());
}

void TestApp::UpdateSound()
{
    if (gChannelPack != nullptr)
        gChannelPack->Update();
    OnSingleChannels(&Vl::SoundChannel::Update);
}

void TestApp::StopSoundForSwitch()
{
    if (gChannelPack != nullptr)
        gChannelPack->StopAll();
    OnSingleChannels(&Vl::SoundChannel::Stop);
    if (Settings().PlayCD && gCdPlayer != nullptr)
        gCdPlayer->Stop();
}

void TestApp::ReleaseSound()
{
    for (Vl::SoundChannel** channel : {&gChannel1, &gChannel2, &gChannel3}) {
        if (*channel != nullptr)
            (*channel)->Release();
        *channel = nullptr;
    }
    if (gChannelPack != nullptr)
        gChannelPack->Release();
    gChannelPack = nullptr;
    VlSoundSystemStop();
    if (gCdPlayer != nullptr)
        gCdPlayer->Release();
    gCdPlayer = nullptr;
}

void TestApp::QueueFrameRate()
{
    uint32_t frameTime = 0;
    lrGetFlipTime(&frameTime);
    mFrameRate.Record(frameTime);
    std::string text = "framerate " + std::to_string(mFrameRate.FramesPerSecond());
    gDrawQueue.push(new AzDrawOSTextCommand(0.0f, text, 10, 10));
}

void TestApp::HoldPicture()
{
    if (!gHoldScreen)
        return;
    uint32_t frameTime = 0;
    lrGetFlipTime(&frameTime);
    uint32_t deadline = frameTime + static_cast<uint32_t>(gHoldSeconds) * 1000u;
    Vl::Clock* clock = Vl::GetHost().clock;
    while (gHoldScreen) {
        UpdateSound();
        uint32_t now = 0;
        lrGetTime(&now);
        if (static_cast<int32_t>(now - deadline) > 0) {
            gHoldScreen = false;
        } else if (clock != nullptr) {
            clock->Idle(1);
        } else {
            gHoldScreen = false; // no clock: nothing could ever end the wait
        }
    }
}

void TestApp::SwitchScreen()
{
    // A successor that could not be made must not leave the loop without a screen.
    if (gNextScreen == nullptr)
        gNextScreen = gCurrentScreen;
    if (gNextScreen == gCurrentScreen)
        return;
    StopSoundForSwitch();
    delete gCurrentScreen;
    lrFlip();
    gCurrentScreen = gNextScreen;
    gCurrentScreen->Load();
    lrFlip();
}

void TestApp::StartCardProgram()
{
    // The texts of the failed starts, each with its own spacing; any other answer writes nothing.
    struct FailureLine {
        Vl::LaunchResult result;
        const char* text;
    };
    static constexpr FailureLine kFailureLines[] = {
        {Vl::LaunchResult::OutOfMemory, "The system is out of memory or resources. "},
        {Vl::LaunchResult::FileNotFound, "The specified file was not found.  "},
        {Vl::LaunchResult::PathNotFound, "The specified path was not found.  "},
        {Vl::LaunchResult::BadExecutable, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).  "},
    };
    Vl::Launcher* launcher = Vl::GetHost().launcher;
    const Vl::LaunchResult result =
        launcher != nullptr ? launcher->Start("spawn cardwright") : Vl::LaunchResult::FileNotFound;
    for (const FailureLine& line : kFailureLines) {
        if (line.result == result)
            azLog() << line.text << std::flush;
    }
    // The player chose "Cardwright" and the game has ended: say why nothing comes.
    const std::string missing = launcher != nullptr ? launcher->MissingFile() : std::string();
    if (result == Vl::LaunchResult::FileNotFound && !missing.empty()) {
        std::cerr << "skyrun: cardwright is not installed; looked for " << missing << "\n";
        azLog() << "TestApp::StartCardProgram - not installed, looked for " << missing << "\n" << std::flush;
    }
}

VlApplication* CreateApplication()
{
    return new (std::nothrow) TestApp();
}
