// The four alphabets: descriptions against sprites, the highlight twin, and the room the screens give texts.
#include "DistMedia.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace frontart;

struct Faces {
    Alphabet a, b, c, e;
};

const Faces& Fonts()
{
    static const Faces faces{ReadAlphabet("Alphabets\\Font_A.spx", "Alphabets\\FontABC.desc"),
                             ReadAlphabet("Alphabets\\Font_B.spx", "Alphabets\\FontABC.desc"),
                             ReadAlphabet("Alphabets\\Font_C.spx", "Alphabets\\FontABC.desc"),
                             ReadAlphabet("Alphabets\\Font_E.spx", "Alphabets\\FontE.desc")};
    return faces;
}

bool Opaque(uint8_t index) { return index != 254; }

TEST(Alphabets, EachDescriptionNamesEveryFrameOfItsSpritesOnce)
{
    const struct {
        const char* sprite;
        const char* description;
    } pairs[] = {{"Alphabets\\Font_A.spx", "Alphabets\\FontABC.desc"},
                 {"Alphabets\\Font_B.spx", "Alphabets\\FontABC.desc"},
                 {"Alphabets\\Font_C.spx", "Alphabets\\FontABC.desc"},
                 {"Alphabets\\Font_E.spx", "Alphabets\\FontE.desc"}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.sprite);
        const Sprite sprite = ReadSpx(MediaFile(pair.sprite));
        const std::string line = FirstLine(ReadText(MediaFile(pair.description)));
        EXPECT_EQ(line.size(), sprite.frames.size());
        EXPECT_LE(line.size(), 255u);
        EXPECT_EQ(std::set<char>(line.begin(), line.end()).size(), line.size()) << "a character named twice";
        for (char c : line) {
            // The game looks characters up as signed bytes: only 1..127 can ever be drawn.
            EXPECT_TRUE(c >= 32 && c <= 126) << "character code " << int(c);
        }
    }
}

TEST(Alphabets, GlyphsShareOneHeightAndShowInkExceptTheBlank)
{
    for (const Alphabet* face : {&Fonts().a, &Fonts().b, &Fonts().c, &Fonts().e}) {
        SCOPED_TRACE(face->characters);
        ASSERT_TRUE(face->Has(' '));
        for (const auto& [character, glyph] : face->glyphs) {
            EXPECT_EQ(glyph.height, face->Height()) << character;
            EXPECT_GT(glyph.width, 0) << character;
            int ink = 0;
            for (uint8_t index : glyph.pixels) {
                ink += Opaque(index);
                EXPECT_NE(index, 255) << "the clear colour in '" << character << "'";
            }
            if (character == ' ') {
                EXPECT_EQ(ink, 0);
            } else {
                EXPECT_GT(ink, glyph.width) << character;
            }
        }
    }
}

TEST(Alphabets, HighlightFaceCoversTheMenuFaceExactly)
{
    // B is drawn over A at the same centred place: any difference in width shifts the
    // highlight, and any pixel A has that B lacks shows through it.
    const Alphabet& a = Fonts().a;
    const Alphabet& b = Fonts().b;
    ASSERT_EQ(a.characters, b.characters);
    bool coloursDiffer = false;
    for (char c : a.characters) {
        const Frame& plain = a.glyphs.at(c);
        const Frame& lit = b.glyphs.at(c);
        ASSERT_EQ(plain.width, lit.width) << c;
        ASSERT_EQ(plain.height, lit.height) << c;
        for (size_t i = 0; i < plain.pixels.size(); ++i) {
            EXPECT_EQ(Opaque(plain.pixels[i]), Opaque(lit.pixels[i])) << "silhouettes differ in '" << c << "'";
            coloursDiffer = coloursDiffer || plain.pixels[i] != lit.pixels[i];
        }
    }
    EXPECT_TRUE(coloursDiffer) << "the highlight looks like the plain face";
    EXPECT_EQ(a.TextWidth("High Scores"), b.TextWidth("High Scores"));
}

TEST(Alphabets, TextsFitTheRoomTheScreensGiveThem)
{
    const Alphabet& a = Fonts().a;
    // Menu items are 64 pixels apart at the closest and the credits rows 50 apart.
    EXPECT_LT(a.Height(), 50);
    EXPECT_LT(Fonts().c.Height(), 50);
    // The menu board behind the centred items spans x 160 to 480.
    for (const char* item : {"Start Game", "Cardwright", "High Scores", "Credits", "Quit"})
        EXPECT_LE(a.TextWidth(item), 300) << item;
    // "High Score" stands between the two 48-pixel coins at x 138 and 454.
    const int title = a.TextWidth("High Score");
    EXPECT_GE(320 - title / 2, 138 + 48);
    EXPECT_LE(320 + title / 2, 454);
    // A name the player types is cut at 164 pixels of the list face: ordinary names fit.
    EXPECT_LE(Fonts().c.TextWidth("Nicholas"), 164);
    EXPECT_LE(Fonts().c.TextWidth("Rosemary"), 164);
}

TEST(Alphabets, CountersKeepTheirPlaceAsTheyChange)
{
    const Alphabet& e = Fonts().e;
    for (char c : std::string("=0123456789")) ASSERT_TRUE(e.Has(c)) << c;
    // The gift counter ends at x 620 and leaves the gift icon at x 472 its room.
    EXPECT_LE(e.TextWidth("=99"), 100);
    EXPECT_LE(e.Height(), 48);
    // Equal digits keep a right-aligned counter and a score column from jiggling.
    for (char c : std::string("0123456789")) {
        EXPECT_EQ(e.glyphs.at(c).width, e.glyphs.at('0').width) << c;
        EXPECT_EQ(Fonts().c.glyphs.at(c).width, Fonts().c.glyphs.at('0').width) << c;
    }
}

} // namespace
