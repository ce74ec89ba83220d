// A city delivered: the sleigh passes the moon, the gift is thrown and the chimney swallows it.
#pragma once

#include "GlCutsceneAssets.h"
#include "GlInterfaceRun.h"

#include <cstdint>

class GlCutPass2 : public GlInterfaceRun {
public:
    static constexpr int32_t kLastFrame = 68;

    GlCutPass2();
    ~GlCutPass2() override;
    bool RunFrame() override;
    void Load() override;

    static float& FrameCounter();
    // The chimney and throw tables: the sprite frame at animation frame f, -1 outside them.
    static int32_t ChimneyFrame(int32_t frame);
    static int32_t ThrowFrame(int32_t frame);
    // The moon's x as it slides left over the first 29 frames.
    static int32_t MoonX(int32_t frame);
    // The delivery on the current player: the entry done, the count, and at the tour's end the level bonus.
    static void CountDelivery();

private:
    void QueueTimeline(int32_t frame) const;

    GlCutsceneAssets mAssets;
};
