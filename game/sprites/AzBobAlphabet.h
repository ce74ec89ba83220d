// A bitmap alphabet: one bob and one advance width per character code.
#pragma once

#include "AzBlitterObject.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class AzMemorySprite;

class AzBobAlphabet {
public:
    static constexpr int kCodes = 256;
    // Only the first line of a description counts, and only this much of it.
    static constexpr size_t kMaxDescriptionCharacters = 255;

    // A name containing ".SPX" (any case) is a sprite file and the second name
    // its description, whose first line lists the character of each frame.
    // Otherwise the names are the prefix and suffix of one bitmap per code:
    // prefix + code in decimal + suffix. Whatever fails to load is logged and
    // simply has no glyph.
    AzBobAlphabet(const std::string& name, const std::string& secondName);
    AzBobAlphabet(const AzBobAlphabet&) = delete;
    AzBobAlphabet& operator=(const AzBobAlphabet&) = delete;
    ~AzBobAlphabet();

    // Draws the glyph at once with its top-left corner at (x, y) and answers
    // its advance; a character without a glyph draws nothing and answers 0.
    int32_t DrawChar(char character, int32_t x, int32_t y);
    // The sum of the advances; characters without a glyph take no room.
    int32_t TextWidth(const std::string& text) const;

    bool HasGlyph(char character) const;
    int32_t GetAdvance(char character) const;

private:
    void LoadFromSprite(const std::string& spriteName, const std::string& descriptionName);
    void LoadFromBitmaps(const std::string& prefix, const std::string& suffix);
    void SetGlyph(int code, std::unique_ptr<AzBlitterObject> bob, int32_t advance);

    std::array<std::unique_ptr<AzBlitterObject>, kCodes> mGlyphs;
    std::array<int32_t, kCodes> mAdvances{};
};
