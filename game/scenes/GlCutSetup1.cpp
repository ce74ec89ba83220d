// The set-up before act 1: its script, then the act-1 briefing.
#include "GlCutSetup1.h"

#include "GlMission1.h"

GlCutSetup1::GlCutSetup1()
    : GlScriptedCutscene({"cutscenes\\setup1\\setup_01_pallette.bmp", "cutscenes\\setup1\\config.txt", kLastFrame})
{
}

float& GlCutSetup1::FrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

GlInterfaceRun* GlCutSetup1::Finish()
{
    return new GlMission1();
}
