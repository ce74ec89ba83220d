// Draws a line of text in the system font, transparent background.
#pragma once

#include "AzDrawCommand.h"

#include <cstdint>
#include <string>

class AzDrawOSTextCommand : public AzDrawCommand {
public:
    // White text; the text is copied.
    AzDrawOSTextCommand(float depth, const std::string& text, int32_t x, int32_t y);
    ~AzDrawOSTextCommand() override = default;

    void Execute() override;

private:
    int32_t mY;
    int32_t mX;
    std::string mText;
    int32_t mRed = 255;
    int32_t mGreen = 255;
    int32_t mBlue = 255;
};
