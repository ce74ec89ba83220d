// Act 1 lost: the snowmobile smokes in the brambles, Glimmer and the elf Tobin sit sad; a life is gone.
#pragma once

#include "GlCutsceneAssets.h"
#include "GlInterfaceRun.h"

#include <cstdint>
#include <vector>

class GlCutFail1 : public GlInterfaceRun {
public:
    static constexpr int32_t kLastFrame = 38;

    GlCutFail1();
    ~GlCutFail1() override;
    bool RunFrame() override;
    // Takes a life and restores health: the scene is the price of the lost round.
    void Load() override;

    static float& FrameCounter();
    // Blink sequences A (the elf) and O (his friend), built on first use and kept for the run.
    static const std::vector<int32_t>& BlinkA();
    static const std::vector<int32_t>& BlinkO();

private:
    void QueueTimeline(int32_t frame) const;

    GlCutsceneAssets mAssets;
};
