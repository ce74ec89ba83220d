// Drives the real TestApp on the headless host, frame by frame.
#include "HeadlessGame.h"

#include "FrameKeeper.h"

#include "GlInterfaceRun.h"

#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlNavigation.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "PlayerRecord.h"
#include "TestApp.h"

#include "HeadlessAudioDevice.h"
#include "HeadlessCdAudioOutput.h"
#include "HeadlessEventPump.h"
#include "VirtualCdDrive.h"
#include "RecordingLauncher.h"
#include "ScriptedKeyboard.h"
#include "VirtualClock.h"
#include "VlFile.h"
#include "VlHost.h"
#include "VlLog.h"
#include "lrDisplay.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace {

bool ParseInt(const std::string& text, int32_t& value)
{
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == nullptr || *end != '\0')
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

bool ParseFloat(const std::string& text, float& value)
{
    char* end = nullptr;
    float parsed = std::strtof(text.c_str(), &end);
    if (text.empty() || end == nullptr || *end != '\0')
        return false;
    value = parsed;
    return true;
}

// "tour=N": N made-up cities dealt over the four globe faces, the last one chosen, as navigation
// leaves the record before a sleigh ride; deliveredCount is left for its own --set.
void SetUpPlaceholderTour(PlayerRecord& player, int32_t cities)
{
    for (auto& list : player.tourLists)
        list.clear();
    player.chosenEntry = nullptr;
    cities = std::clamp(cities, 0, 64);
    for (int32_t i = 0; i < cities; ++i) {
        CityEntry entry;
        entry.name = "City " + std::to_string(i + 1);
        entry.description = "Test city";
        entry.face = i % PlayerRecord::kGlobeFaces;
        entry.cityNumber = i + 1;
        player.tourLists[entry.face].push_back(entry);
    }
    if (cities > 0) {
        player.chosenEntry = &player.tourLists[(cities - 1) % PlayerRecord::kGlobeFaces].back();
        player.chosenCityNumber = player.chosenEntry->cityNumber;
    }
    player.tourSize = cities;
}

} // namespace

HeadlessGame::HeadlessGame(const std::string& folder, uint32_t msPerFrame)
    : mFolder(folder), mMsPerFrame(msPerFrame)
{
}

HeadlessGame::~HeadlessGame()
{
    Finish();
}

bool HeadlessGame::SetPlayerField(const std::string& field, const std::string& value)
{
    PlayerRecord& player = CurrentPlayer();
    int32_t number = 0;
    if (field == "health")
        return ParseFloat(value, player.health);
    if (!ParseInt(value, number))
        return false;
    if (field == "score") player.score = number;
    else if (field == "giftCount") player.giftCount = number;
    else if (field == "giftQuota") player.giftQuota = number;
    else if (field == "level") player.level = number;
    else if (field == "lives") player.lives = number;
    else if (field == "outcome") player.outcome = number;
    else if (field == "chosenCityNumber") player.chosenCityNumber = number;
    else if (field == "deliveredCount") player.deliveredCount = number;
    else if (field == "tourSize") player.tourSize = number;
    else if (field == "gameFinished") player.gameFinished = number != 0;
    else if (field == "tour") SetUpPlaceholderTour(player, number);
    else return false;
    return true;
}

std::string HeadlessGame::PlayerLine()
{
    const PlayerRecord& player = CurrentPlayer();
    std::ostringstream line;
    line << "player score=" << player.score << " giftCount=" << player.giftCount
         << " giftQuota=" << player.giftQuota << " health=" << player.health << " level=" << player.level
         << " lives=" << player.lives << " outcome=" << player.outcome
         << " deliveredCount=" << player.deliveredCount << " tourSize=" << player.tourSize
         << " gameFinished=" << (player.gameFinished ? 1 : 0)
         << " chosenCityNumber=" << player.chosenCityNumber;
    return line.str();
}

bool HeadlessGame::Start(const std::string& startScreen)
{
    GlInterfaceRun* first = nullptr;
    if (!startScreen.empty()) {
        first = GlCreateScreen(startScreen);
        if (first == nullptr)
            return false;
    }
    return Start(first);
}

void HeadlessGame::SetInstalledFolders(const std::string& settingsFolder, const std::string& sharedDataFolder)
{
    mSettingsFolder = settingsFolder;
    mSharedDataFolder = sharedDataFolder;
}

bool HeadlessGame::Start(GlInterfaceRun* first)
{
    if (chdir(mFolder.c_str()) != 0) {
        delete first;
        return false;
    }

    // A fresh process as far as the game can tell, the progress record aside
    // (the caller may have set fields for the first screen).
    GlResetScreenState();
    GlResetFrameTiming();
    GlResetRandom();
    GlNavigation::ForgetCityData();
    ResetSettings();
    VlResetPaths();
    Vl::OpenLogs();

    mClock = std::make_unique<Vl::VirtualClock>(kStartTime);
    mKeys = std::make_unique<Vl::ScriptedKeyboard>();
    mEvents = std::make_unique<Vl::HeadlessEventPump>(mKeys.get());
    mLauncher = std::make_unique<Vl::RecordingLauncher>();
    mPresenter = std::make_unique<FrameKeeper>();
    mAudio = std::make_unique<Vl::HeadlessAudioDevice>();
    mCdOutput = std::make_unique<Vl::HeadlessCdAudioOutput>();
    mCdDrive = std::make_unique<VirtualCdDrive>(*mCdOutput, ".");

    Vl::Host host;
    host.clock = mClock.get();
    host.keys = mKeys.get();
    host.events = mEvents.get();
    host.launcher = mLauncher.get();
    host.audio = mAudio.get();
    host.cd = mCdDrive.get();
    host.settingsFolder = mSettingsFolder;
    host.sharedDataFolder = mSharedDataFolder;
    Vl::SetHost(host);
    lrSetPresenter(mPresenter.get());

    mApp = std::make_unique<TestApp>();
    mApp->SetFramePresentedHook([this]() {
        mLastFrame = mPresenter->Pixels();
        mLastPalette = mPresenter->Palette();
        mLastFrameWidth = mPresenter->Width();
        mLastFrameHeight = mPresenter->Height();
    });
    mApp->StartUp(first);
    mRunning = true;
    mFinished = false;
    mFrame = 0;
    return true;
}

bool HeadlessGame::Step(const KeyScript& keys)
{
    if (!mRunning)
        return false;
    for (int key : mTapsToRelease)
        mKeys->SetDown(key, false);
    mTapsToRelease.clear();
    for (const KeyEvent& event : keys.EventsAt(mFrame)) {
        mKeys->SetDown(event.virtualKey, event.kind != KeyEvent::Kind::Up);
        if (event.kind == KeyEvent::Kind::Tap)
            mTapsToRelease.push_back(event.virtualKey);
    }
    mRunning = mApp->RunOneFrame();
    if (mRunning) {
        ++mFrame;
        mClock->Advance(mMsPerFrame);
    }
    return mRunning;
}

void HeadlessGame::Finish()
{
    if (mApp == nullptr || mFinished)
        return;
    mFinished = true;
    mRunning = false;
    mApp->CloseDown();
    lrSetPresenter(nullptr);
    Vl::CloseLogs();
    Vl::SetHost(Vl::Host());
}

std::string HeadlessGame::CurrentScreenName() const
{
    return GlScreenClassName(gCurrentScreen);
}

GlInterfaceRun* HeadlessGame::CurrentScreen() const
{
    return mRunning ? gCurrentScreen : nullptr;
}

bool HeadlessGame::SaveShot(const std::string& pngPath) const
{
    if (mLastFrame.empty() || mLastPalette.size() < 256 * 4)
        return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, mLastFrameWidth, mLastFrameHeight);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    cairo_surface_flush(surface);
    for (int y = 0; y < mLastFrameHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < mLastFrameWidth; ++x) {
            const uint8_t* entry = &mLastPalette[mLastFrame[static_cast<size_t>(y) * mLastFrameWidth + x] * 4];
            row[x] = (uint32_t{entry[0]} << 16) | (uint32_t{entry[1]} << 8) | entry[2];
        }
    }
    cairo_surface_mark_dirty(surface);
    bool ok = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

const std::vector<std::string>& HeadlessGame::LaunchedCommands() const
{
    return mLauncher->Commands();
}

void HeadlessGame::SetKey(int virtualKey, bool down)
{
    mKeys->SetDown(virtualKey, down);
}
