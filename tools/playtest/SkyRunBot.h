// Plays the sleigh ride: keeps clear of storm clouds and snowballs, flies over the house and
// drops a gift when it will land on it. Reads the ride through GlSkyRun's accessors, never pixels.
#pragma once

#include "ScreenBot.h"

#include <vector>

class GlSkyRun;

class SkyRunBot : public ScreenBot {
public:
    ~SkyRunBot() override;
    void Drive(GlInterfaceRun& screen, HeadlessGame& game) override;

    // Where the sleigh cruises while it waits for the house.
    static constexpr float kCruiseX = 150.0f;
    static constexpr float kCruiseY = 270.0f;
    // Where it flies once the house is in sight: low, under most storm clouds.
    static constexpr float kApproachY = 300.0f;

    // A storm cloud's body as the gift would meet it: its box and how fast it drifts.
    struct CloudBody {
        float x, y, width, height, speed;
    };

    // True when a gift dropped now from (x, y) would land on the house whose rectangle is
    // (houseX, houseY, houseWidth, houseHeight) on the screen, the city moving left at
    // citySpeed pixels a second; the fall is stepped as the game steps it.
    static bool DropWouldLand(float x, float y, int houseX, int houseY, int houseWidth, int houseHeight,
                              float citySpeed, float giftAcceleration, float secondsPerFrame,
                              const std::vector<CloudBody>& clouds = {});

private:
    void Release();

    HeadlessGame* mGame = nullptr;
    bool mSpaceDown = false;
};
