// The intro: the title wipes in, the reindeer team flies by and Glimmer steps out of the iris.
#pragma once

#include "GlInterfaceRun.h"

#include <array>
#include <cstdint>
#include <memory>

class AzBlitterObject;
class AzBobSprite;

namespace Vl {
class Sound;
}

class GlCut1 : public GlInterfaceRun {
public:
    static constexpr int32_t kLastFrame = 168;

    GlCut1();
    ~GlCut1() override;
    // Answers false in the frame that hands over to the main menu.
    bool RunFrame() override;
    void Load() override;

    // Animation time in frames of 1/12 s; one value for the class, 0 after Load.
    static float& FrameCounter();

    enum Sprite : int32_t {
        kTitleWipe,
        kIris,
        kGlimmerEnter,
        kShine1,
        kShine2,
        kSleigh,
        kDeer,
        kSpriteCount,
    };

private:
    void QueueTimeline(int32_t frame);

    std::unique_ptr<AzBlitterObject> mLetterbox;
    std::unique_ptr<AzBlitterObject> mBackground;
    std::unique_ptr<AzBlitterObject> mFullBlack;
    std::array<std::unique_ptr<AzBobSprite>, kSpriteCount> mSprites;
    Vl::Sound* mMusic = nullptr;
};
