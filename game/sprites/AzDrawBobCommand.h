// Draws a bob, whole or a rectangle of it, at a screen position.
#pragma once

#include "AzDrawCommand.h"

#include <cstdint>

class AzBlitterObject;

class AzDrawBobCommand : public AzDrawCommand {
public:
    // The bob is not owned; a null bob draws nothing.
    AzDrawBobCommand(float depth, AzBlitterObject* bob, int32_t x, int32_t y);
    AzDrawBobCommand(float depth, AzBlitterObject* bob, int32_t sourceX, int32_t sourceY, int32_t width,
                     int32_t height, int32_t x, int32_t y);
    ~AzDrawBobCommand() override = default;

    void Execute() override;

private:
    int32_t mSourceX = 0;
    int32_t mSourceY = 0;
    int32_t mWidth = 0;
    int32_t mHeight = 0;
    int32_t mX;
    int32_t mY;
    AzBlitterObject* mBob;
    bool mWhole;
};
