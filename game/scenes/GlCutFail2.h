// A sleigh ride lost: Glimmer sits on the ice, scratching his head, blinking, his nose flickering.
#pragma once

#include "GlCutsceneAssets.h"
#include "GlInterfaceRun.h"

#include <cstdint>
#include <vector>

class GlCutFail2 : public GlInterfaceRun {
public:
    static constexpr int32_t kLastFrame = 38;

    GlCutFail2();
    ~GlCutFail2() override;
    bool RunFrame() override;
    // Takes a life and restores health, as the lost act 1 does.
    void Load() override;

    static float& FrameCounter();
    // Blink sequence N, built on first use and kept for the run.
    static const std::vector<int32_t>& BlinkN();

private:
    void QueueTimeline(int32_t frame) const;

    GlCutsceneAssets mAssets;
};
