// The game over scene: three strikes of lightning, the storm-witch's laugh, then the totals with outcome 0.
#include "GlCutGameOver.h"

#include "GlScreenState.h"
#include "GlTotals.h"
#include "PlayerRecord.h"

#include "AzLoaders.h"

#include <array>

namespace {

enum Picture : size_t { kBackground, kBar, kFullBlack, kDarkFlash, kWhiteOut };
enum Sprite : size_t { kLightningBolt, kStormy, kCastleBright, kFlash };
enum Sound : size_t { kLightning01, kLightning03, kLaugh, kPenguin, kWind };

constexpr int32_t kOutcomeGameOver = 0;

struct SoundCue {
    Sound sound;
    int32_t frame;
};
constexpr SoundCue kSoundCues[] = {{kLightning03, 7}, {kLaugh, 35}, {kWind, 57}, {kLightning01, 65}, {kPenguin, 89}};
constexpr size_t kCueCount = sizeof(kSoundCues) / sizeof(kSoundCues[0]);
std::array<bool, kCueCount> sPlayed{};

struct Run {
    int32_t first;
    int32_t last;
    int32_t value;
};

// Frostine rises in the storm, laughs with her arms up, and sinks back.
constexpr Run kStormRuns[] = {
    {7, 10, 2},  {11, 11, 1}, {12, 27, 2}, {28, 28, 1}, {29, 29, 3}, {30, 32, 4}, {33, 33, 5}, {34, 34, 6},
    {35, 35, 7}, {36, 36, 8}, {37, 38, 9}, {39, 39, 7}, {40, 40, 8}, {41, 42, 9}, {43, 43, 7}, {44, 44, 8},
    {45, 46, 9}, {47, 47, 7}, {48, 48, 8}, {49, 50, 9}, {51, 51, 7}, {52, 52, 8}, {53, 54, 9}, {55, 55, 7},
    {56, 56, 8}, {57, 57, 9}, {58, 58, 7}, {59, 59, 8}, {60, 61, 9}, {62, 62, 7}, {63, 63, 8}, {64, 65, 1},
    {66, 66, 4}, {67, 67, 3},
};

constexpr int32_t kBoltTable[] = {1, 3, 2, 1, 4, 2};
constexpr int32_t kBoltStrikes[] = {7, 27, 65};
constexpr int32_t kBoltLength = 6;

bool OneOf(int32_t frame, std::initializer_list<int32_t> frames)
{
    for (int32_t f : frames) {
        if (f == frame)
            return true;
    }
    return false;
}

} // namespace

GlCutGameOver::GlCutGameOver() = default;
GlCutGameOver::~GlCutGameOver() = default;

float& GlCutGameOver::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

int32_t GlCutGameOver::StormFrame(int32_t frame)
{
    for (const Run& run : kStormRuns) {
        if (frame >= run.first && frame <= run.last)
            return run.value - 1;
    }
    return -1;
}

int32_t GlCutGameOver::BoltFrame(int32_t frame)
{
    for (int32_t first : kBoltStrikes) {
        if (frame >= first && frame < first + kBoltLength)
            return kBoltTable[frame - first] - 1;
    }
    return -1;
}

void GlCutGameOver::Load()
{
    az::SetPaletteFromFile("cutscenes\\gameover\\game_over_Pallette.bmp");
    mAssets.LoadPictures({"cutscenes\\gameover\\bg.bmp", "cutscenes\\black.bmp", "fullblack.bmp",
                          "cutscenes\\gameover\\black.bmp", "cutscenes\\gameover\\white_out.bmp"});
    mAssets.LoadSprites({"cutscenes\\gameover\\lightningbolt.spx", "cutscenes\\gameover\\stormy.spx",
                         "cutscenes\\gameover\\castle_bright.spx", "cutscenes\\gameover\\flash01.spx"});
    mAssets.LoadSounds({"cutscenes\\gameover\\lightning01.wav", "cutscenes\\gameover\\lightning03.wav",
                        "cutscenes\\gameover\\laugh.wav", "cutscenes\\gameover\\penguin_01.wav",
                        "cutscenes\\gameover\\wind.wav"});
    // A showing left early (Escape) must not keep its marks into the next one.
    sPlayed.fill(false);
    FrameCounter() = 0.0f;
}

bool GlCutGameOver::RunFrame()
{
    float& counter = FrameCounter();
    int32_t frame = static_cast<int32_t>(counter);
    if (frame > kLastFrame) {
        GlCutsceneAssets::LogEnd(frame);
        if (gNextScreen == gCurrentScreen || gNextScreen == nullptr) {
            CurrentPlayer().outcome = kOutcomeGameOver;
            gNextScreen = new GlTotals();
        }
        // The scene hands over on its opening picture.
        counter = 0.0f;
        frame = 0;
        sPlayed.fill(false);
    } else {
        for (size_t cue = 0; cue < kCueCount; ++cue)
            mAssets.PlayCue(kSoundCues[cue].sound, frame, kSoundCues[cue].frame, sPlayed[cue]);
    }
    QueueTimeline(frame);
    counter += GlCutsceneAssets::CounterStep(counter);
    return true;
}

void GlCutGameOver::QueueTimeline(int32_t frame) const
{
    mAssets.QueuePicture(kFullBlack, 0, 50, 1000.0f);
    mAssets.QueuePicture(kBackground, 0, 50, 700.0f);
    mAssets.QueueLetterbox(kBar);
    if (OneOf(frame, {8, 11, 28, 65}))
        mAssets.QueuePicture(kDarkFlash, -2, 52, 100.0f);
    if (OneOf(frame, {7, 9, 26, 27, 67}))
        mAssets.QueuePicture(kWhiteOut, 0, 50, 200.0f);
    mAssets.QueueSprite(kLightningBolt, 383, -27, 300.0f, BoltFrame(frame));
    if (frame >= 7 && frame <= 67)
        mAssets.QueueSprite(kStormy, 199, 46, 400.0f, StormFrame(frame));
    if (OneOf(frame, {10, 11, 13, 29})) {
        mAssets.QueueSprite(kCastleBright, 190, 50, 500.0f, 0);
        mAssets.QueueSprite(kFlash, 0, 50, 600.0f, 0);
    }
    if (OneOf(frame, {12, 14, 30}))
        mAssets.QueueSprite(kFlash, 0, 50, 600.0f, 1);
}
