// A player the runner can use: it reads one kind of screen through that screen's test seam and holds keys.
#pragma once

#include <memory>
#include <string>

class GlInterfaceRun;
class HeadlessGame;

class ScreenBot {
public:
    virtual ~ScreenBot() = default;
    // Before each frame in which a screen of its class is current: sets the keys
    // it wants down for that frame with game.SetKey.
    virtual void Drive(GlInterfaceRun& screen, HeadlessGame& game) = 0;
};

// The bot that plays the named screen class, or null where none does.
std::unique_ptr<ScreenBot> CreateScreenBot(const std::string& screenClass);
