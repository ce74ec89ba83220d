// The built-in text font: cell size and one-bit glyph rows of printable ASCII.
#pragma once

#include <cstdint>

constexpr int lrFontCellWidth = 8;
constexpr int lrFontCellHeight = 16;
constexpr int lrFontFirstChar = 32;
constexpr int lrFontLastChar = 126;
constexpr int lrFontGlyphCount = lrFontLastChar - lrFontFirstChar + 1;

// One byte per row, bit 7 is the leftmost pixel.
extern const uint8_t lrFontGlyphs[lrFontGlyphCount][lrFontCellHeight];
