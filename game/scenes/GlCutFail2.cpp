// The lost sleigh ride: a life taken at load, three seconds of a sad reindeer, then the globe or the game over.
#include "GlCutFail2.h"

#include "GlBlinkSequence.h"
#include "GlCutGameOver.h"
#include "GlMission2.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"

#include "AzLoaders.h"

#include <algorithm>

namespace {

enum Picture : size_t { kFullBlack, kFailPose, kReflection };
enum Sprite : size_t { kNoseGlow, kBlink, kTail, kScratch, kTryAgain };
enum Sound : size_t { kMusicDie };

bool sPlayed = false;

GlBlinkSequence& SequenceN()
{
    static GlBlinkSequence sequence("r 1 9 s 2 4 s 1 4 r 1 34");
    return sequence;
}

} // namespace

GlCutFail2::GlCutFail2() = default;
GlCutFail2::~GlCutFail2() = default;

float& GlCutFail2::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

const std::vector<int32_t>& GlCutFail2::BlinkN()
{
    return SequenceN().Values();
}

void GlCutFail2::Load()
{
    PlayerRecord& player = CurrentPlayer();
    player.lives -= 1;
    player.health = 1.0f;

    az::SetPaletteFromFile("cutscenes\\fail2\\NS_Pallette_Fail_02.bmp");
    mAssets.LoadPictures({"fullblack.bmp", "cutscenes\\fail2\\fail_pose.bmp", "cutscenes\\fail2\\reflection.bmp"});
    mAssets.LoadSprites({"cutscenes\\fail2\\nose_glow.spx", "cutscenes\\fail2\\blink.spx", "cutscenes\\fail2\\tail.spx",
                         "cutscenes\\fail2\\scratch.spx", "cutscenes\\fail2\\try_again.spx"});
    mAssets.LoadSounds({"cutscenes\\fail2\\music_die.wav"});
    // A showing left early (Escape) must not keep its mark into the next one.
    sPlayed = false;
    FrameCounter() = 0.0f;
}

bool GlCutFail2::RunFrame()
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
            // Unlike act 1, the gifts still on board stay there.
            sPlayed = false;
            gNextScreen = new GlMission2();
        }
    } else {
        mAssets.PlayCue(kMusicDie, frame, 0, sPlayed);
    }
    QueueTimeline(frame);
    counter += GlCutsceneAssets::CounterStep(counter);
    return true;
}

void GlCutFail2::QueueTimeline(int32_t frame) const
{
    mAssets.QueuePicture(kFullBlack, 0, 0, 700.0f);
    mAssets.QueuePicture(kFailPose, 170, 239, 500.0f);
    mAssets.QueuePicture(kReflection, 168, 393, 600.0f);
    mAssets.QueueSprite(kNoseGlow, 368, 301, 100.0f, frame % 4);
    mAssets.QueueSprite(kBlink, 379, 289, 200.0f, SequenceN().FrameAt(frame));
    mAssets.QueueSprite(kTail, 442, 286, 300.0f, frame % 8);
    mAssets.QueueSprite(kScratch, 218, 244, 400.0f, frame % 6);
    if (frame >= 19)
        mAssets.QueueSprite(kTryAgain, 209, 132, 100.0f, std::min(frame - 19, 8));
}
