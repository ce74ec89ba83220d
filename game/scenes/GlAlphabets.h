// The game's four bitmap alphabets, as the menus, high scores, briefings and totals letter their texts.
#pragma once

#include "AzDrawBobTextCommand.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class AzBobAlphabet;

class GlAlphabets {
public:
    enum Font : int32_t { kFontA, kFontB, kFontC, kFontE, kFontCount };

    GlAlphabets();
    GlAlphabets(const GlAlphabets&) = delete;
    GlAlphabets& operator=(const GlAlphabets&) = delete;
    ~GlAlphabets();

    // "Alphabets\Font_A.spx" and so on; A, B and C share one description.
    void Load(Font font);
    // Null while the font is not loaded.
    AzBobAlphabet* Get(Font font) const;

    // Queues one line of text, y the top of its letters. A font that is not
    // loaded draws nothing. No text of the game uses extra spacing or a parent.
    void QueueText(float depth, const std::string& text, Font font, int32_t x, int32_t y,
                   int32_t alignment = AzDrawBobTextCommand::kAlignCentre) const;

private:
    std::array<std::unique_ptr<AzBobAlphabet>, kFontCount> mFonts;
};
