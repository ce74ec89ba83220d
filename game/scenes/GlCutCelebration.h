// After the last city of a level: the whole village celebrates the delivered level.
#pragma once

#include "GlScriptedCutscene.h"

class GlCutCelebration : public GlScriptedCutscene {
public:
    static constexpr int32_t kLastFrame = 668;

    GlCutCelebration();
    static float& FrameCounter();

protected:
    float& Counter() override { return FrameCounter(); }
    GlInterfaceRun* Finish() override;
    bool HandsOverQuietly() const override { return true; }
};
