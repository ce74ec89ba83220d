// The runner's player for act 1: reads the round through the screen's accessors and steers the snowmobile.
#pragma once

#include "ScreenBot.h"

class ToyCatcherBot : public ScreenBot {
public:
    void Drive(GlInterfaceRun& screen, HeadlessGame& game) override;

    // Which way to drive: -1 left, 0 none, 1 right.
    static int Decide(GlInterfaceRun& screen);

private:
    int mHeld = 0;
};
