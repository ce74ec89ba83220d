// The real game loop on the headless host: virtual clock, scripted keys, frames kept in memory.
#pragma once

#include "KeyScript.h"

#include <memory>
#include <string>
#include <vector>

class GlInterfaceRun;
class TestApp;
class FrameKeeper;
namespace Vl {
class VirtualClock;
class ScriptedKeyboard;
class HeadlessEventPump;
class RecordingLauncher;
class HeadlessAudioDevice;
class HeadlessCdAudioOutput;
}
class VirtualCdDrive;

class HeadlessGame {
public:
    static constexpr uint32_t kStartTime = 100000000;

    // Runs in folder (the install tree: media, logs and highscore.txt live there).
    explicit HeadlessGame(const std::string& folder, uint32_t msPerFrame = 17);
    ~HeadlessGame();

    // Sets a field of the progress record ("level", "score", "gameFinished" ...);
    // false for an unknown field or a value that is not a number.
    static bool SetPlayerField(const std::string& field, const std::string& value);
    // "player score=.. giftCount=.. ..." as the playtest tool prints it.
    static std::string PlayerLine();

    // startScreen empty: the game's own first screen. False for an unknown screen class.
    bool Start(const std::string& startScreen = std::string());
    // Starts with a screen object the caller made (taken over by the game).
    bool Start(GlInterfaceRun* firstScreen);
    // Applies the key events of this frame, runs one pass of the loop, moves
    // the clock on. False once the game has left its loop.
    bool Step(const KeyScript& keys = KeyScript());
    void Finish();

    int FramesRun() const { return mFrame; }
    std::string CurrentScreenName() const;
    // The screen the loop runs now (owned by the game), or null.
    GlInterfaceRun* CurrentScreen() const;
    // Saves the picture of the last frame's own present.
    bool SaveShot(const std::string& pngPath) const;
    const std::vector<std::string>& LaunchedCommands() const;
    void SetKey(int virtualKey, bool down);
    // Runs as an installed game does (before Start): gl.config from settingsFolder, media and
    // other missing working-directory files from sharedDataFolder.
    void SetInstalledFolders(const std::string& settingsFolder, const std::string& sharedDataFolder);

    // The last frame's own picture: palette indices, 640 x 480.
    const std::vector<uint8_t>& LastFrame() const { return mLastFrame; }
    const FrameKeeper& Presenter() const { return *mPresenter; }
    Vl::RecordingLauncher& Launcher() { return *mLauncher; }
    Vl::VirtualClock& Clock() { return *mClock; }
    Vl::HeadlessAudioDevice& Audio() { return *mAudio; }
    Vl::HeadlessCdAudioOutput& CdOutput() { return *mCdOutput; }

private:
    std::string mFolder;
    uint32_t mMsPerFrame;
    int mFrame = 0;
    bool mRunning = false;
    bool mFinished = false;
    std::vector<int> mTapsToRelease;
    std::string mSettingsFolder;
    std::string mSharedDataFolder;
    std::unique_ptr<Vl::VirtualClock> mClock;
    std::unique_ptr<Vl::ScriptedKeyboard> mKeys;
    std::unique_ptr<Vl::HeadlessEventPump> mEvents;
    std::unique_ptr<Vl::RecordingLauncher> mLauncher;
    std::unique_ptr<Vl::HeadlessAudioDevice> mAudio;
    std::unique_ptr<Vl::HeadlessCdAudioOutput> mCdOutput;
    std::unique_ptr<VirtualCdDrive> mCdDrive;
    std::unique_ptr<FrameKeeper> mPresenter;
    std::unique_ptr<TestApp> mApp;
    std::vector<uint8_t> mLastFrame;   // palette indices of the last frame's own present
    std::vector<uint8_t> mLastPalette; // 256 x (red, green, blue, flags)
    int mLastFrameWidth = 0;
    int mLastFrameHeight = 0;
};
