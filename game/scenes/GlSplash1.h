// The first screen of the game: the title picture.
#pragma once

#include "GlInterfaceRun.h"

class AzBlitterObject;

class GlSplash1 : public GlInterfaceRun {
public:
    GlSplash1() = default;
    ~GlSplash1() override;
    bool RunFrame() override;
    void Load() override;

private:
    AzBlitterObject* mBackground = nullptr;
};

// Both splash screens count their animation frames (1/12 s) in this one counter.
float& GlSplashFrameCounter();
