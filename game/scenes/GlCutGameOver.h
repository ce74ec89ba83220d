// The game over: lightning over Frostine's dark castle, her laugh in the storm.
#pragma once

#include "GlCutsceneAssets.h"
#include "GlInterfaceRun.h"

#include <cstdint>

class GlCutGameOver : public GlInterfaceRun {
public:
    static constexpr int32_t kLastFrame = 178;

    GlCutGameOver();
    ~GlCutGameOver() override;
    bool RunFrame() override;
    void Load() override;

    static float& FrameCounter();
    // The storm table: the stormy sprite's frame at animation frame f (7..67), -1 outside it.
    static int32_t StormFrame(int32_t frame);
    // The bolt's frame at animation frame f, -1 while no bolt strikes.
    static int32_t BoltFrame(int32_t frame);

private:
    void QueueTimeline(int32_t frame) const;

    GlCutsceneAssets mAssets;
};
