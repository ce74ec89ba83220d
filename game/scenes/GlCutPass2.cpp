// The delivery scene: its timeline and sounds, and the count of delivered cities that ends a level.
#include "GlCutPass2.h"

#include "GlScreenState.h"
#include "GlTotals.h"
#include "PlayerRecord.h"

#include "AzLoaders.h"

#include <array>

namespace {

enum Picture : size_t { kBackground, kBar, kFullBlack, kMoon, kChimneyBackground };
enum Sprite : size_t {
    kRightBlink,
    kLeftBlink,
    kChimney,
    kPresent2Fall,
    kSleigh,
    kSanta,
    kPresentFall,
    kThrow,
    kHat,
    kSac,
    kReins,
    kReins02,
};
enum Sound : size_t { kDrop, kSleighBells, kWind, kGulp };

enum Outcome : int32_t { kCityDelivered = 2, kLastCityDelivered = 3 };
constexpr int32_t kLevelBonus = 1000;

struct SoundCue {
    Sound sound;
    int32_t frame;
};
constexpr SoundCue kSoundCues[] = {{kSleighBells, 0}, {kWind, 0}, {kDrop, 20}, {kGulp, 43}};
constexpr size_t kCueCount = sizeof(kSoundCues) / sizeof(kSoundCues[0]);
std::array<bool, kCueCount> sPlayed{};

struct Run {
    int32_t first;
    int32_t last;
    int32_t value;
};

// The chimney breathes in and out, opens wide to gulp the present, then breathes on.
constexpr Run kChimneyRuns[] = {
    {29, 33, 1}, {34, 38, 2}, {39, 43, 1}, {44, 44, 3}, {45, 45, 4}, {46, 46, 5}, {47, 47, 6},
    {48, 48, 2}, {49, 53, 1}, {54, 58, 2}, {59, 63, 1}, {64, 68, 2}, {69, 69, 1},
};
// The arm reaches into the sack, swings and lets the present go.
constexpr Run kThrowRuns[] = {
    {1, 1, 1},   {2, 2, 2},   {3, 3, 3},   {4, 4, 4},   {5, 5, 5},   {6, 13, 6},
    {14, 14, 7}, {15, 15, 8}, {16, 16, 9}, {17, 17, 10}, {18, 28, 11},
};

template <size_t N>
int32_t TableFrame(const Run (&runs)[N], int32_t frame)
{
    for (const Run& run : runs) {
        if (frame >= run.first && frame <= run.last)
            return run.value - 1;
    }
    return -1;
}

} // namespace

GlCutPass2::GlCutPass2() = default;
GlCutPass2::~GlCutPass2() = default;

float& GlCutPass2::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

int32_t GlCutPass2::ChimneyFrame(int32_t frame)
{
    return TableFrame(kChimneyRuns, frame);
}

int32_t GlCutPass2::ThrowFrame(int32_t frame)
{
    return TableFrame(kThrowRuns, frame);
}

int32_t GlCutPass2::MoonX(int32_t frame)
{
    return static_cast<int32_t>(77.0f - static_cast<float>(frame) / 28.0f * 29.0f);
}

void GlCutPass2::CountDelivery()
{
    PlayerRecord& player = CurrentPlayer();
    // With no tour yet (a scene started on its own) the delivery is still counted.
    if (player.chosenEntry != nullptr)
        player.chosenEntry->done = true;
    player.deliveredCount += 1;
    if (player.deliveredCount != player.tourSize) {
        player.outcome = kCityDelivered;
        return;
    }
    player.outcome = kLastCityDelivered;
    for (std::vector<CityEntry>& list : player.tourLists)
        list.clear();
    // The chosen entry lived in the lists just emptied.
    player.chosenEntry = nullptr;
    player.score += player.level * kLevelBonus;
    player.level += 1;
    player.giftCount = 0;
}

void GlCutPass2::Load()
{
    az::SetPaletteFromFile("cutscenes\\pass2\\NS_Pallette_Pass_02.bmp");
    mAssets.LoadPictures({"cutscenes\\pass2\\pass2_bg.bmp", "cutscenes\\black.bmp", "fullblack.bmp",
                          "cutscenes\\pass2\\moon.bmp", "cutscenes\\pass2\\chimney_bg.bmp"});
    mAssets.LoadSprites({"cutscenes\\pass2\\right_blink.spx", "cutscenes\\pass2\\left_blink.spx",
                         "cutscenes\\pass2\\chimney.spx", "cutscenes\\pass2\\present2_fall.spx",
                         "cutscenes\\pass2\\sleigh.spx", "cutscenes\\pass2\\santa.spx",
                         "cutscenes\\pass2\\present_fall.spx", "cutscenes\\pass2\\throw.spx",
                         "cutscenes\\pass2\\hat.spx", "cutscenes\\pass2\\sac.spx", "cutscenes\\pass2\\reins.spx",
                         "cutscenes\\pass2\\reins02.spx"});
    mAssets.LoadSounds({"cutscenes\\pass2\\drop.wav", "cutscenes\\pass2\\sleighbells.wav",
                        "cutscenes\\pass2\\wind.wav", "cutscenes\\pass2\\gulp03.wav"});
    // A showing left early (Escape) must not keep its marks into the next one.
    sPlayed.fill(false);
    FrameCounter() = 0.0f;
}

bool GlCutPass2::RunFrame()
{
    float& counter = FrameCounter();
    if (GlCutsceneAssets::SkipRequested())
        counter = GlCutsceneAssets::kSkippedCounter;

    const int32_t frame = static_cast<int32_t>(counter);
    if (frame > kLastFrame) {
        GlCutsceneAssets::LogEnd(frame);
        sPlayed.fill(false);
        // Counted once: the successor is stored in this same frame and the scene is not run again.
        if (gNextScreen == gCurrentScreen || gNextScreen == nullptr) {
            CountDelivery();
            gNextScreen = new GlTotals();
        }
    } else {
        for (size_t cue = 0; cue < kCueCount; ++cue)
            mAssets.PlayCue(kSoundCues[cue].sound, frame, kSoundCues[cue].frame, sPlayed[cue]);
    }
    QueueTimeline(frame);
    counter += GlCutsceneAssets::CounterStep(counter);
    return true;
}

void GlCutPass2::QueueTimeline(int32_t frame) const
{
    mAssets.QueuePicture(kFullBlack, 0, 0, 2000.0f);
    mAssets.QueuePicture(kBackground, -2, 48, 1400.0f);
    mAssets.QueueLetterbox(kBar);

    const bool flight = frame >= 0 && frame <= 28;
    const bool chimney = frame >= 29 && frame <= 69;
    if (flight)
        mAssets.QueuePicture(kMoon, MoonX(frame), 58, 100.0f);
    if (chimney) {
        // The house's windows blink: open for five frames, shut for five.
        const int32_t blink = (frame - 29) % 10 > 4 ? 1 : 0;
        mAssets.QueuePicture(kChimneyBackground, 36, 240, 600.0f);
        mAssets.QueueSprite(kRightBlink, 347, 240, 200.0f, blink);
        mAssets.QueueSprite(kLeftBlink, 36, 279, 300.0f, blink);
        mAssets.QueueSprite(kChimney, 212, 161, 400.0f, ChimneyFrame(frame));
    }
    if (frame >= 41 && frame <= 43)
        mAssets.QueueSprite(kPresent2Fall, 256, 42, 500.0f, frame - 41);
    if (flight) {
        mAssets.QueueSprite(kSleigh, 201, 255, 700.0f, frame % 2);
        mAssets.QueueSprite(kSanta, 381, 112, 800.0f, frame % 2);
    }
    if (frame >= 17 && frame <= 22)
        mAssets.QueueSprite(kPresentFall, 30, 204, 900.0f, frame - 17);
    if (frame >= 1 && frame <= 28)
        mAssets.QueueSprite(kThrow, 178, 173, 1000.0f, ThrowFrame(frame));
    if (flight) {
        mAssets.QueueSprite(kHat, 370, 93, 1100.0f, frame % 5);
        mAssets.QueueSprite(kSac, 256, 220, 1200.0f, frame % 2);
        mAssets.QueueSprite(kReins, 530, 246, 1300.0f, frame % 5);
        mAssets.QueueSprite(kReins02, 533, 255, 1300.0f, frame % 5);
    }
}
