// Text on the back buffer in the built-in font, in the palette entries nearest the asked colours.
#include "lrDisplay.h"
#include "lrDisplayState.h"
#include "lrFont.h"
#include "lrResultCodes.h"

#include <cstring>

namespace {

constexpr int kTransparentIndex = 254;

// The palette entry closest to a colour in plain RGB distance, lowest index on a tie.
// Index 254 is never chosen: text drawn in it would vanish in every later blit.
uint8_t NearestPaletteIndex(int red, int green, int blue)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 256; ++i) {
        if (i == kTransparentIndex)
            continue;
        const uint8_t* entry = gLrDisplay.palette + i * 4;
        long dr = entry[0] - red, dg = entry[1] - green, db = entry[2] - blue;
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<uint8_t>(best);
}

uint8_t NearestToGdiColor(uint32_t color)
{
    return NearestPaletteIndex(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Draws one character cell with its top-left corner at (x, y), clipped to the screen.
// background < 0 leaves the cell's background untouched.
void DrawCell(int x, int y, unsigned char c, uint8_t ink, int background)
{
    const uint8_t* glyph = nullptr;
    if (c >= lrFontFirstChar && c <= lrFontLastChar)
        glyph = lrFontGlyphs[c - lrFontFirstChar];
    for (int row = 0; row < lrFontCellHeight; ++row) {
        int screenY = y + row;
        if (screenY < 0 || screenY >= gLrDisplay.screenHeight)
            continue;
        uint8_t bits = glyph ? glyph[row] : 0;
        uint8_t* line = gLrDisplay.backBuffer.data() + static_cast<size_t>(screenY) * gLrDisplay.screenWidth;
        for (int column = 0; column < lrFontCellWidth; ++column) {
            int screenX = x + column;
            if (screenX < 0 || screenX >= gLrDisplay.screenWidth)
                continue;
            if (bits & (0x80 >> column))
                line[screenX] = ink;
            else if (background >= 0)
                line[screenX] = static_cast<uint8_t>(background);
        }
    }
}

int DrawString(int x, int y, const char* text, size_t length, uint8_t ink, int background)
{
    if (!gLrDisplay.live || gLrDisplay.backBuffer.empty()) {
        lrReportResult(lrResultInvalidObject);
        return 0;
    }
    for (size_t i = 0; i < length; ++i) {
        long long cellX = x + static_cast<long long>(i) * lrFontCellWidth;
        if (cellX >= gLrDisplay.screenWidth)
            break;
        if (cellX + lrFontCellWidth <= 0)
            continue;
        DrawCell(static_cast<int>(cellX), y, static_cast<unsigned char>(text[i]), ink, background);
    }
    return 1;
}

} // namespace

int lrDrawText(int x, int y, const char* text, int red, int green, int blue)
{
    if (!text)
        return 0;
    return DrawString(x, y, text, std::strlen(text), NearestPaletteIndex(red, green, blue), -1);
}

int lrDrawTextOpaque(uint32_t textColor, uint32_t backColor, int x, int y, const char* text, int length)
{
    if (length <= 0)
        return 1;
    if (!text)
        return 0;
    // The count comes from the caller; a shorter string ends at its terminator
    // rather than reading on past it.
    size_t count = strnlen(text, static_cast<size_t>(length));
    return DrawString(x, y, text, count, NearestToGdiColor(textColor), NearestToGdiColor(backColor));
}
