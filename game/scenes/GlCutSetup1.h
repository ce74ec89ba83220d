// Before act 1 of a new game: Glimmer gets his task at the North Pole and sets off to catch gifts.
#pragma once

#include "GlScriptedCutscene.h"

class GlCutSetup1 : public GlScriptedCutscene {
public:
    static constexpr int32_t kLastFrame = 368;

    GlCutSetup1();
    static float& FrameCounter();

protected:
    float& Counter() override { return FrameCounter(); }
    GlInterfaceRun* Finish() override;
};
