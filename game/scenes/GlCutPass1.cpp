// The passing scene of act 1: its timeline, its sounds, and outcome 1 for the totals.
#include "GlCutPass1.h"

#include "GlFrameTiming.h"
#include "GlScreenState.h"
#include "GlTotals.h"
#include "PlayerRecord.h"

#include "AzLoaders.h"

#include <algorithm>

namespace {

enum Picture : size_t { kBackground, kBar, kFullBlack, kMask, kHouseMask, kTracks };
enum Sprite : size_t { kSnow2, kFlagWave, kSled, kSled2, kSled03, kSnowSplash };
enum Sound : size_t { kHereIComeVoice, kWind, kYahooVoice, kEngine, kWetSplat, kWhoosh };

constexpr int32_t kOutcomeActOneWon = 1;

struct SoundCue {
    Sound sound;
    int32_t frame;
};

// Two cues share the splat; each has its own mark.
constexpr SoundCue kSoundCues[] = {
    {kWind, 0},      {kWhoosh, 3},          {kYahooVoice, 4}, {kEngine, 7},
    {kWetSplat, 41}, {kHereIComeVoice, 44}, {kWetSplat, 47},
};
constexpr size_t kCueCount = sizeof(kSoundCues) / sizeof(kSoundCues[0]);

std::array<bool, kCueCount> sPlayed{};

// The splash rises frame by frame, hangs at its height, then falls away.
int32_t SplashValue(int32_t frame)
{
    if (frame >= 42 && frame <= 53)
        return frame - 41;
    if (frame >= 54 && frame <= 61)
        return 6;
    if (frame >= 62 && frame <= 66)
        return frame - 49;
    return 0;
}

} // namespace

GlCutPass1::GlCutPass1() = default;
GlCutPass1::~GlCutPass1() = default;

float& GlCutPass1::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

int32_t GlCutPass1::SplashFrame(int32_t frame)
{
    return SplashValue(frame) - 1;
}

void GlCutPass1::Load()
{
    az::SetPaletteFromFile("cutscenes\\pass1\\pass_1_Pallette.bmp");
    mAssets.LoadPictures({"cutscenes\\pass1\\bg_pass01.bmp", "cutscenes\\black.bmp", "fullblack.bmp",
                          "cutscenes\\pass1\\mask.bmp", "cutscenes\\pass1\\house_mask.bmp",
                          "cutscenes\\pass1\\tracks.bmp"});
    mAssets.LoadSprites({"cutscenes\\pass1\\snow2.spx", "cutscenes\\pass1\\flag_wave.spx", "cutscenes\\pass1\\sled.spx",
                         "cutscenes\\pass1\\sled2.spx", "cutscenes\\pass1\\sled03.spx",
                         "cutscenes\\pass1\\snow_splash.spx"});
    mAssets.LoadSounds({"cutscenes\\pass1\\tobin_hereIcome03.wav", "cutscenes\\pass1\\wind.wav",
                        "cutscenes\\pass1\\tobin_yahoo1.wav", "cutscenes\\pass1\\engine.wav",
                        "cutscenes\\pass1\\wetsplat01.wav", "cutscenes\\pass1\\whoosh04.wav"});
    // A showing left early (Escape) must not keep its marks into the next one.
    sPlayed.fill(false);
    FrameCounter() = 0.0f;
}

bool GlCutPass1::RunFrame()
{
    float& counter = FrameCounter();
    if (GlCutsceneAssets::SkipRequested())
        counter = GlCutsceneAssets::kSkippedCounter;

    const int32_t frame = static_cast<int32_t>(counter);
    if (frame > kLastFrame) {
        GlCutsceneAssets::LogEnd(frame);
        sPlayed.fill(false);
        CurrentPlayer().outcome = kOutcomeActOneWon;
        gNextScreen = new GlTotals();
    } else {
        PlaySounds(frame);
    }
    QueueTimeline(frame);
    counter += GlCutsceneAssets::CounterStep(counter);
    return true;
}

void GlCutPass1::PlaySounds(int32_t frame) const
{
    for (size_t cue = 0; cue < kCueCount; ++cue)
        mAssets.PlayCue(kSoundCues[cue].sound, frame, kSoundCues[cue].frame, sPlayed[cue]);
}

void GlCutPass1::QueueTimeline(int32_t frame) const
{
    mAssets.QueuePicture(kFullBlack, 0, 0, 1000.0f);
    mAssets.QueuePicture(kBackground, 0, 50, 900.0f);
    mAssets.QueueLetterbox(kBar);
    if (frame >= 9 && frame <= 56)
        mAssets.QueuePicture(kMask, 314, 312, 100.0f);
    mAssets.QueuePicture(kHouseMask, 482, 74, 600.0f);
    if (frame >= 13 && frame <= 15)
        mAssets.QueuePicture(kTracks, 61, 291, 800.0f);

    if (frame >= 16 && frame <= 24)
        mAssets.QueueSprite(kSnow2, 245, 271, 200.0f, frame - 16);
    // The flag waves with the clock, not with the scene.
    mAssets.QueueSprite(kFlagWave, 511, 92, 300.0f, AnimFrameIndex(5, 12, 0));
    if (frame >= 11 && frame <= 26)
        mAssets.QueueSprite(kSled, -39, 159, 500.0f, frame - 11);
    if (frame >= 39 && frame <= 66)
        mAssets.QueueSprite(kSled2, 380, 179, 400.0f, frame - 39);
    if (frame >= 67 && frame <= 79)
        mAssets.QueueSprite(kSled03, 472, 172, 500.0f, std::min(frame - 67, 6));
    if (frame >= 42 && frame <= 66)
        mAssets.QueueSprite(kSnowSplash, 339, 148, 700.0f, SplashFrame(frame));
}
