// Act 1 won: Glimmer's sled races down the hill, dives into a snowdrift and bursts out of it.
#pragma once

#include "GlCutsceneAssets.h"
#include "GlInterfaceRun.h"

#include <array>
#include <cstdint>

class GlCutPass1 : public GlInterfaceRun {
public:
    static constexpr int32_t kLastFrame = 78;

    GlCutPass1();
    ~GlCutPass1() override;
    bool RunFrame() override;
    void Load() override;

    static float& FrameCounter();
    // The splash table: the sprite frame at animation frame f (42..66), -1 outside it.
    static int32_t SplashFrame(int32_t frame);

private:
    void QueueTimeline(int32_t frame) const;
    void PlaySounds(int32_t frame) const;

    GlCutsceneAssets mAssets;
};
