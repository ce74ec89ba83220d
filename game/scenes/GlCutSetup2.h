// Before act 2: the sleigh is loaded with the caught gifts and takes off.
#pragma once

#include "GlScriptedCutscene.h"

class GlCutSetup2 : public GlScriptedCutscene {
public:
    static constexpr int32_t kLastFrame = 338;

    GlCutSetup2();
    static float& FrameCounter();

protected:
    float& Counter() override { return FrameCounter(); }
    GlInterfaceRun* Finish() override;
};
