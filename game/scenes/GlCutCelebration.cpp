// The celebration: its script, then the totals with the level marked as celebrated.
#include "GlCutCelebration.h"

#include "GlTotals.h"
#include "PlayerRecord.h"

namespace {

constexpr int32_t kOutcomeLevelCelebrated = 4;

} // namespace

GlCutCelebration::GlCutCelebration()
    : GlScriptedCutscene(
          {"cutscenes\\celebration\\BG_02_8bit.bmp", "cutscenes\\celebration\\config.txt", kLastFrame})
{
}

float& GlCutCelebration::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

GlInterfaceRun* GlCutCelebration::Finish()
{
    CurrentPlayer().outcome = kOutcomeLevelCelebrated;
    return new GlTotals();
}
