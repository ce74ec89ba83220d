// Draws one frame of a bob sprite, at its own position or at a given place.
#pragma once

#include "AzDrawCommand.h"

#include <cstdint>

class AzBobSprite;

class AzDrawBobSpriteCommand : public AzDrawCommand {
public:
    // The sprite is not owned; a null sprite draws nothing.
    AzDrawBobSpriteCommand(float depth, AzBobSprite* sprite, int32_t x, int32_t y, int32_t frame);
    // Draws at the sprite's position as it is when the command executes.
    AzDrawBobSpriteCommand(float depth, AzBobSprite* sprite, int32_t frame);
    ~AzDrawBobSpriteCommand() override = default;

    void Execute() override;

private:
    int32_t mX;
    int32_t mY;
    AzBobSprite* mSprite;
    int32_t mFrame;
    bool mAtGivenPlace;
};
