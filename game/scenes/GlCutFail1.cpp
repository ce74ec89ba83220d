// The lost act 1: a life taken at load, sad faces for three seconds, then act 1 again or the game over.
#include "GlCutFail1.h"

#include "GlBlinkSequence.h"
#include "GlCutGameOver.h"
#include "GlFrameTiming.h"
#include "GlMission1.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"

#include "AzLoaders.h"

#include <algorithm>

namespace {

enum Picture : size_t { kBlack, kFullBlack, kTobinShadow, kBrambleShadow, kBramble, kTobinSad, kOsricShadow };
enum Sprite : size_t { kTryAgain, kTobinBlink, kOsric, kSmoke };
enum Sound : size_t { kMusicDie };

bool sPlayed = false;

GlBlinkSequence& SequenceA()
{
    static GlBlinkSequence sequence("r 1 6 a 4 2 3 4 5 r 1 6  a 3 2 3 4 r 1 13 a 3 2 3 4 r 1 5");
    return sequence;
}

GlBlinkSequence& SequenceO()
{
    static GlBlinkSequence sequence("a 2 3 3 a 1 2 r 1 4 a 1 2 r 3 5 a 1 2 r 1 4 a 1 2 r 3 5 a 1 2 r 1 4 a 1 2 r 3 5 "
                                    "a 1 2 r 1 4 a 1 2 r 3 5 a 1 2 r 1 4");
    return sequence;
}

} // namespace

GlCutFail1::GlCutFail1() = default;
GlCutFail1::~GlCutFail1() = default;

float& GlCutFail1::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

const std::vector<int32_t>& GlCutFail1::BlinkA()
{
    return SequenceA().Values();
}

const std::vector<int32_t>& GlCutFail1::BlinkO()
{
    return SequenceO().Values();
}

void GlCutFail1::Load()
{
    PlayerRecord& player = CurrentPlayer();
    player.lives -= 1;
    player.health = 1.0f;

    az::SetPaletteFromFile("cutscenes\\fail1\\NS_Pallette_Pass_02.bmp");
    mAssets.LoadPictures({"cutscenes\\fail1\\black.bmp", "fullblack.bmp", "cutscenes\\fail1\\tobin_shadow.bmp",
                          "cutscenes\\fail1\\bramble_shadow.bmp", "cutscenes\\fail1\\bramble.bmp",
                          "cutscenes\\fail1\\tobin_sad.bmp", "cutscenes\\fail1\\osric_shadow.bmp"});
    mAssets.LoadSprites({"cutscenes\\fail1\\try_again.spx", "cutscenes\\fail1\\tobin_blink.spx",
                         "cutscenes\\fail1\\osric.spx", "cutscenes\\fail1\\smoke.spx"});
    mAssets.LoadSounds({"cutscenes\\fail1\\music_die.wav"});
    // A showing left early (Escape) must not keep its mark into the next one.
    sPlayed = false;
    FrameCounter() = 0.0f;
}

bool GlCutFail1::RunFrame()
{
    float& counter = FrameCounter();
    if (CurrentPlayer().lives <= 0) {
        // The last life went at load: nothing is shown, the game over follows.
        if (gNextScreen == gCurrentScreen || gNextScreen == nullptr)
            gNextScreen = new GlCutGameOver();
        return true;
    }

    const int32_t frame = static_cast<int32_t>(counter);
    if (frame > kLastFrame) {
        if (gNextScreen == gCurrentScreen || gNextScreen == nullptr) {
            GlCutsceneAssets::LogEnd(frame);
            sPlayed = false;
            CurrentPlayer().giftCount = 0;
            gNextScreen = new GlMission1();
        }
    } else {
        mAssets.PlayCue(kMusicDie, frame, 0, sPlayed);
    }
    QueueTimeline(frame);
    counter += FrameStep(12, true);
    return true;
}

void GlCutFail1::QueueTimeline(int32_t frame) const
{
    mAssets.QueuePicture(kBlack, 0, 0, 5000.0f);
    mAssets.QueuePicture(kFullBlack, 0, 0, 6000.0f);
    mAssets.QueuePicture(kTobinShadow, 400, 417, 1100.0f);
    mAssets.QueuePicture(kBrambleShadow, 274, 424, 1300.0f);
    mAssets.QueuePicture(kBramble, 276, 355, 500.0f);
    mAssets.QueuePicture(kTobinSad, 401, 257, 1000.0f);
    mAssets.QueuePicture(kOsricShadow, 185, 421, 1200.0f);
    if (frame >= 19 && frame <= 39)
        mAssets.QueueSprite(kTryAgain, 209, 132, 100.0f, std::min(frame - 19, 8));
    mAssets.QueueSprite(kTobinBlink, 402, 276, 100.0f, SequenceA().FrameAt(frame));
    mAssets.QueueSprite(kOsric, 184, 326, 1000.0f, SequenceO().FrameAt(frame));
    mAssets.QueueSprite(kSmoke, 279, 323, 100.0f, frame % 6);
}
