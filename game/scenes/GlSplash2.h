// The second screen of the game: the studio logo over black.
#pragma once

#include "GlInterfaceRun.h"

class AzBlitterObject;

class GlSplash2 : public GlInterfaceRun {
public:
    GlSplash2() = default;
    ~GlSplash2() override;
    bool RunFrame() override;
    void Load() override;

private:
    AzBlitterObject* mBlack = nullptr;
    AzBlitterObject* mLogo = nullptr;
};
