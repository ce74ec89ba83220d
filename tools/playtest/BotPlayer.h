// Plays whatever screen is current with that screen's bot, one new bot for every screen object.
#pragma once

#include "ScreenBot.h"

#include <memory>

class HeadlessGame;

class BotPlayer {
public:
    // Call before every HeadlessGame::Step; keys from a key script still apply on top.
    void BeforeFrame(HeadlessGame& game);

private:
    const GlInterfaceRun* mScreen = nullptr;
    std::unique_ptr<ScreenBot> mBot;
};
