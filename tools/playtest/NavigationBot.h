// Plays the globe: walks to the next city not yet delivered, turning the globe when a face has none, and picks it.
#pragma once

#include "ScreenBot.h"

class NavigationBot : public ScreenBot {
public:
    void Drive(GlInterfaceRun& screen, HeadlessGame& game) override;

private:
    // A key is pressed for one frame and let go the next, so every press counts once.
    int mHeldKey = -1;
};
