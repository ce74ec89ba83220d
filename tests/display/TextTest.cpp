// Text in the built-in font: nearest palette colours, the opaque cell, clipping.
#include "DisplayFixture.h"
#include "lrFont.h"

#include <cstring>
#include <set>
#include <vector>

namespace {

class TextTest : public DisplayFixture {
protected:
    void SetUp() override
    {
        DisplayFixture::SetUp();
        CreateScreen();
        // A grey ramp, except that 254 is the exact colour asked for below and
        // 200 is the second-best match for it.
        std::vector<uint8_t> entries(1024);
        for (int i = 0; i < 256; ++i)
            entries[i * 4] = entries[i * 4 + 1] = entries[i * 4 + 2] = static_cast<uint8_t>(i / 2);
        SetEntry(entries, 254, 250, 10, 10);
        SetEntry(entries, 200, 240, 12, 10);
        SetEntry(entries, 201, 0, 0, 250);
        lrSetPalette(entries.data(), 256, 0);
    }

    std::set<int> ColoursIn(int left, int top, int width, int height) const
    {
        std::set<int> colours;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                colours.insert(ScreenAt(x, y));
        return colours;
    }
};

TEST_F(TextTest, DrawsInTheNearestEntryButNeverTheTransparentOne)
{
    EXPECT_EQ(lrDrawText(100, 50, "framerate 50", 250, 10, 10), 1);
    std::set<int> colours = ColoursIn(100, 50, 12 * lrFontCellWidth, lrFontCellHeight);
    EXPECT_EQ(colours, (std::set<int>{200, lrClearColor}));
    // Nothing outside the text's cells.
    EXPECT_EQ(ColoursIn(100 + 12 * lrFontCellWidth, 50, 20, lrFontCellHeight), std::set<int>{lrClearColor});
    EXPECT_EQ(ColoursIn(100, 50 + lrFontCellHeight, 96, 5), std::set<int>{lrClearColor});

    // The glyphs are the font's: 'f' of the first cell, pixel for pixel.
    const uint8_t* glyph = lrFontGlyphs['f' - lrFontFirstChar];
    for (int row = 0; row < lrFontCellHeight; ++row)
        for (int column = 0; column < lrFontCellWidth; ++column)
            ASSERT_EQ(ScreenAt(100 + column, 50 + row) == 200, (glyph[row] & (0x80 >> column)) != 0);
}

TEST_F(TextTest, OpaqueTextFillsTheCellsWithTheBackgroundColour)
{
    // GDI colour values are 0x00BBGGRR: this is blue text on mid grey.
    EXPECT_EQ(lrDrawTextOpaque(0x00FA0000, 0x00404040, 10, 20, "Hi!", 3), 1);
    EXPECT_EQ(ColoursIn(10, 20, 3 * lrFontCellWidth, lrFontCellHeight), (std::set<int>{201, 128}));
    EXPECT_EQ(ScreenAt(10 + 3 * lrFontCellWidth, 20), lrClearColor);

    // A count longer than the string stops at its end; a shorter one cuts it.
    EXPECT_EQ(lrDrawTextOpaque(0, 0x00404040, 10, 100, "ab", 50), 1);
    EXPECT_EQ(ScreenAt(10 + 2 * lrFontCellWidth, 100), lrClearColor);
    EXPECT_EQ(lrDrawTextOpaque(0, 0x00404040, 10, 200, "abcdef", 1), 1);
    EXPECT_EQ(ScreenAt(10 + lrFontCellWidth, 200), lrClearColor);
}

TEST_F(TextTest, TextAcrossTheScreenEdgesIsClipped)
{
    EXPECT_EQ(lrDrawTextOpaque(0, 0x00404040, -4, -8, "clipped", 7), 1);
    EXPECT_EQ(ColoursIn(0, 0, 7 * lrFontCellWidth - 4, lrFontCellHeight - 8), (std::set<int>{0, 128}));
    EXPECT_EQ(lrDrawTextOpaque(0, 0x00404040, 636, 476, "xx", 2), 1);
    EXPECT_EQ(ColoursIn(636, 476, 4, 4), std::set<int>{128});
    EXPECT_EQ(lrDrawText(-100000, 470, "far left", 0, 0, 0), 1);
    EXPECT_EQ(lrDrawText(2147483000, 2147483000, "far away", 0, 0, 0), 1);
    EXPECT_EQ(lrDrawText(0, 0, "\x01\x7f\xff", 0, 0, 0), 1);
    EXPECT_EQ(lrDrawText(0, 0, nullptr, 0, 0, 0), 0);

    lrDestroyDisplay();
    EXPECT_EQ(lrDrawText(0, 0, "no screen", 0, 0, 0), 0);
}

} // namespace
