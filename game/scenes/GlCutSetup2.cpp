// The set-up before act 2: its script, then the briefing before the globe.
#include "GlCutSetup2.h"

#include "GlMission2.h"

GlCutSetup2::GlCutSetup2()
    : GlScriptedCutscene({"cutscenes\\setup2\\setup_2_pall.bmp", "cutscenes\\setup2\\config.txt", kLastFrame})
{
}

float& GlCutSetup2::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

GlInterfaceRun* GlCutSetup2::Finish()
{
    return new GlMission2();
}
