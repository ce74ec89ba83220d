// Draws a line of text in a bitmap alphabet, left, right or centre aligned on x.
#pragma once

#include "AzDrawCommand.h"

#include <cstdint>
#include <string>

class AzBobAlphabet;
class AzTranslationParent;

class AzDrawBobTextCommand : public AzDrawCommand {
public:
    static constexpr int32_t kAlignLeft = 0;
    static constexpr int32_t kAlignRight = 1;
    static constexpr int32_t kAlignCentre = 2;

    // The text is copied; alphabet and parent are not owned and may be null.
    // spacing: extra pixels after each letter. y is the top of every glyph.
    AzDrawBobTextCommand(float depth, const std::string& text, AzBobAlphabet* alphabet, int32_t x, int32_t y,
                         int32_t alignment, int32_t spacing, AzTranslationParent* parent);
    ~AzDrawBobTextCommand() override = default;

    void Execute() override;

    // Where the first letter goes for a text of this width and letter count.
    static int32_t StartX(int32_t x, int32_t textWidth, int32_t letterCount, int32_t alignment, int32_t spacing);

private:
    int32_t mY;
    int32_t mX;
    std::string mText;
    AzBobAlphabet* mAlphabet;
    int32_t mAlignment;
    int32_t mSpacing;
    AzTranslationParent* mParent;
};
