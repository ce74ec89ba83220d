// The intro's timeline: which picture shows where, at which depth and with which sprite frame.
#include "GlCut1.h"

#include "GlFrameTiming.h"
#include "GlMenuMain.h"
#include "GlScreenState.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlChannelPack.h"
#include "VlKeys.h"
#include "VlLog.h"
#include "VlSound.h"

#include <climits>

namespace {

constexpr float kFullBlackDepth = 10000.0f;
constexpr float kBackgroundDepth = 5000.0f;
constexpr float kLetterboxDepth = 10.0f;
constexpr int32_t kBackgroundY = 50;
constexpr int32_t kLetterboxRows[] = {0, 400, 430};
// Past the last frame: a skip ends the scene in the frame it was seen.
constexpr float kSkippedCounter = 1000.0f;
// The first frames advance at most one a presented frame, so the load is not skipped over.
constexpr float kClampedFrames = 5.0f;

const char* const kSpriteFiles[GlCut1::kSpriteCount] = {
    "cutscenes\\cut1\\title_wipe.spx", "cutscenes\\cut1\\iris.spx",     "cutscenes\\cut1\\glim_enter.spx",
    "cutscenes\\cut1\\shine_01.spx",   "cutscenes\\cut1\\shine_02.spx", "cutscenes\\cut1\\sleigh.spx",
    "cutscenes\\cut1\\deer.spx",
};

enum class FrameRule {
    kFromFirst,  // the sprite frame counts up from 0 at the cue's first animation frame
    kFixed,      // always the same sprite frame
    kGlimmer,    // Glimmer's own table, shared by the iris and his entrance
};

struct SpriteCue {
    GlCut1::Sprite sprite;
    int32_t first;
    int32_t last;
    int32_t x;
    int32_t y;
    float depth;
    FrameRule rule;
    int32_t fixedFrame;
};

constexpr int32_t kToTheEnd = INT_MAX;

const SpriteCue kCues[] = {
    {GlCut1::kTitleWipe, 29, 38, 41, 57, 1800.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kTitleWipe, 39, kToTheEnd, 41, 57, 1800.0f, FrameRule::kFixed, 9},
    {GlCut1::kIris, 44, 54, 333, 244, 1800.0f, FrameRule::kGlimmer, 0},
    {GlCut1::kGlimmerEnter, 55, kToTheEnd, 337, 248, 1500.0f, FrameRule::kGlimmer, 0},
    {GlCut1::kShine1, 37, 44, 34, 65, 1400.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kShine1, 43, 50, 337, 78, 1400.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kShine2, 64, 71, 286, 147, 1400.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kShine2, 144, 151, 451, 160, 1400.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kSleigh, 26, 65, -29, 34, 2000.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kDeer, 21, 61, -34, 49, 4500.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kDeer, 23, 63, -21, 47, 4000.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kDeer, 22, 62, -34, 49, 3500.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kDeer, 25, 65, -46, 49, 3000.0f, FrameRule::kFromFirst, 0},
    {GlCut1::kDeer, 25, 65, -21, 42, 2500.0f, FrameRule::kFromFirst, 0},
};

// Glimmer's table: over these animation frames the sprite shows value - 1.
struct GlimmerRun {
    int32_t first;
    int32_t last;
    int32_t value;
};

const GlimmerRun kGlimmerRuns[] = {
    {44, 44, 1},   {45, 45, 2},   {46, 46, 3},   {47, 47, 4},   {48, 54, 5},   {55, 55, 1},
    {56, 56, 2},   {57, 57, 3},   {58, 58, 4},   {59, 61, 5},   {62, 62, 6},   {63, 63, 7},
    {64, 64, 8},   {65, 65, 5},   {66, 66, 6},   {67, 67, 7},   {68, 68, 8},   {69, 72, 5},
    {73, 73, 9},   {74, 77, 10},  {78, 78, 11},  {79, 130, 12}, {131, 131, 6}, {132, 132, 7},
    {133, 133, 8}, {134, 134, 12}, {135, 135, 6}, {136, 136, 7}, {137, 137, 8}, {138, 168, 12},
};

// The sprite frame of Glimmer's table, or -1 outside it.
int32_t GlimmerFrame(int32_t frame)
{
    for (const GlimmerRun& run : kGlimmerRuns) {
        if (frame >= run.first && frame <= run.last)
            return run.value - 1;
    }
    return -1;
}

int32_t CueFrame(const SpriteCue& cue, int32_t frame)
{
    switch (cue.rule) {
    case FrameRule::kFixed:
        return cue.fixedFrame;
    case FrameRule::kGlimmer:
        return GlimmerFrame(frame);
    case FrameRule::kFromFirst:
        break;
    }
    return frame - cue.first;
}

} // namespace

GlCut1::GlCut1() = default;

GlCut1::~GlCut1()
{
    if (mMusic != nullptr)
        mMusic->Release();
}

float& GlCut1::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

void GlCut1::Load()
{
    az::SetPaletteFromFile("cutscenes\\cut1\\intro_01_pall.bmp");
    mLetterbox.reset(az::LoadBlitterObject("cutscenes\\black.bmp"));
    mBackground.reset(az::LoadBlitterObject("cutscenes\\cut1\\intro_bg.bmp"));
    mFullBlack.reset(az::LoadBlitterObject("fullblack.bmp"));
    for (int32_t sprite = 0; sprite < kSpriteCount; ++sprite)
        mSprites[sprite].reset(az::LoadBobSprite(kSpriteFiles[sprite]));
    // A sound that does not load stays silent: the pack refuses it.
    Vlu::SoundCreateAndLoad(&mMusic, "cutscenes\\cut1\\intro_01.wav");

    // The music runs under the whole scene, so it starts here rather than at a frame.
    if (gChannelPack != nullptr && mMusic != nullptr)
        gChannelPack->Play(mMusic, 0, true, false);
    // Takes up the time spent loading, so it is not counted as animation time.
    FrameStep(12, false);
    FrameCounter() = 0.0f;
}

bool GlCut1::RunFrame()
{
    float& counter = FrameCounter();
    if (IsKeyDown(Vl::kVK_Space) || IsKeyDown(Vl::kVK_Return))
        counter = kSkippedCounter;

    int32_t frame = static_cast<int32_t>(counter);
    if (frame > kLastFrame) {
        azLog() << "GLCUT1 END THIS!!!! frame " << frame << "\n" << std::flush;
        gNextScreen = new GlMenuMain();
        return false;
    }

    QueueTimeline(frame);

    azLog() << "frame " << counter;
    counter += FrameStep(12, counter < kClampedFrames);
    azLog() << " frame " << counter << "\n" << std::flush;
    return true;
}

void GlCut1::QueueTimeline(int32_t frame)
{
    gDrawQueue.push(new AzDrawBobCommand(kFullBlackDepth, mFullBlack.get(), 0, 0));
    for (int32_t row : kLetterboxRows)
        gDrawQueue.push(new AzDrawBobCommand(kLetterboxDepth, mLetterbox.get(), 0, row));
    gDrawQueue.push(new AzDrawBobCommand(kBackgroundDepth, mBackground.get(), 0, kBackgroundY));

    for (const SpriteCue& cue : kCues) {
        if (frame < cue.first || frame > cue.last)
            continue;
        int32_t spriteFrame = CueFrame(cue, frame);
        if (spriteFrame < 0)
            continue;
        gDrawQueue.push(
            new AzDrawBobSpriteCommand(cue.depth, mSprites[cue.sprite].get(), cue.x, cue.y, spriteFrame));
    }
}
