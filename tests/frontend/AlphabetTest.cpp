// Bitmap alphabets and the text command: glyph tables, widths, placement on screen.
#include "FrontendTestEnvironment.h"

#include "AzBobAlphabet.h"
#include "AzDrawBobTextCommand.h"
#include "AzNullRect.h"
#include "BmpWriter.h"

namespace {

using AlphabetTest = FrontendTest;

TEST_F(AlphabetTest, DescriptionLineNamesTheFramesInOrder)
{
    WriteGlyphSprite("Alphabets/glyphs.spx", {3, 5, 7});
    WriteMediaText("Alphabets/glyphs.desc", "ABC\nXYZ\n");
    AzBobAlphabet alphabet("Alphabets\\glyphs.spx", "Alphabets\\glyphs.desc");

    EXPECT_EQ(alphabet.GetAdvance('A'), 3);
    EXPECT_EQ(alphabet.GetAdvance('C'), 7);
    EXPECT_EQ(alphabet.TextWidth("CAB"), 15);
    // Only the first line counts; unknown letters take no room and draw nothing.
    EXPECT_FALSE(alphabet.HasGlyph('X'));
    EXPECT_EQ(alphabet.TextWidth("AXA"), 6);
    EXPECT_EQ(alphabet.DrawChar('X', 0, 0), 0);
    EXPECT_EQ(ScreenPixel(0, 0), 255);
    EXPECT_EQ(alphabet.DrawChar('B', 20, 30), 5);
    EXPECT_EQ(ScreenPixel(20, 30), 11);
    EXPECT_NE(Log().find("AzBobAlphabet::AzBobAlphabet - loaded 3 characters from sprite Alphabets\\glyphs.spx, "
                         "description: Alphabets\\glyphs.desc.\n"),
              std::string::npos)
        << Log();
}

TEST_F(AlphabetTest, BlanksRepeatsLineEndsAndSurplusLetters)
{
    WriteGlyphSprite("letters.spx", {2, 4, 6});
    // A blank is a letter like any other; a repeated letter takes the later
    // frame; a CR LF line end adds no letter; letters beyond the frames get none.
    WriteMediaText("letters.desc", "A AQ\r\n");
    AzBobAlphabet alphabet("letters.spx", "letters.desc");

    EXPECT_EQ(alphabet.GetAdvance(' '), 4);
    EXPECT_EQ(alphabet.GetAdvance('A'), 6);
    EXPECT_FALSE(alphabet.HasGlyph('Q'));
    EXPECT_FALSE(alphabet.HasGlyph('\r'));
    EXPECT_EQ(alphabet.TextWidth("A A"), 16);
}

TEST_F(AlphabetTest, AWidthBeyondThe32BitRangeStopsAtItsEndAndTheTextStillDraws)
{
    WriteGlyphSprite("wide.spx", {8000}, 1);
    WriteMediaText("wide.desc", "W\n");
    AzBobAlphabet alphabet("wide.spx", "wide.desc");
    const std::string text(270000, 'W');
    EXPECT_EQ(alphabet.TextWidth(text), INT32_MAX);
    for (int32_t alignment : {AzDrawBobTextCommand::kAlignLeft, AzDrawBobTextCommand::kAlignRight,
                              AzDrawBobTextCommand::kAlignCentre}) {
        AzDrawBobTextCommand command(8, text, &alphabet, 0, 0, alignment, 3, nullptr);
        command.Execute();
    }
}

TEST_F(AlphabetTest, MissingDescriptionOrSpriteLeavesAnEmptyAlphabet)
{
    WriteGlyphSprite("letters.spx", {2, 4});
    AzBobAlphabet noDescription("letters.spx", "missing.desc");
    EXPECT_EQ(noDescription.TextWidth("AB"), 0);
    EXPECT_NE(Log().find("AzBobAlphabet::AzBobAlphabet - VlFileCreate failed.  Returning NULL object. missing.desc\n"),
              std::string::npos);

    WriteMediaText("letters.desc", "AB\n");
    AzBobAlphabet noSprite("nothing.SPX", "letters.desc");
    EXPECT_FALSE(noSprite.HasGlyph('A'));
}

TEST_F(AlphabetTest, NumberedBitmapsAreProbedQuietly)
{
    mediagen::Palette palette{};
    WriteMedia("num/65.bmp", mediagen::EncodeBmp8({3, 2, std::vector<uint8_t>(6, 20)}, palette));
    WriteMedia("num/200.bmp", mediagen::EncodeBmp8({5, 2, std::vector<uint8_t>(10, 21)}, palette));
    AzBobAlphabet alphabet("num\\", ".bmp");

    EXPECT_EQ(alphabet.GetAdvance('A'), 3);
    EXPECT_EQ(alphabet.GetAdvance(static_cast<char>(200)), 5);
    EXPECT_TRUE(azLogFileErrors);
    EXPECT_EQ(Log(), "AzBobAlphabet::AzBobAlphabet - loaded 2 characters from num\\#.bmp.\n");
}

class TextCommandTest : public FrontendTest {
protected:
    void SetUp() override
    {
        FrontendTest::SetUp();
        WriteGlyphSprite("ab.spx", {3, 5});
        WriteMediaText("ab.desc", "AB\n");
        mAlphabet = std::make_unique<AzBobAlphabet>("ab.spx", "ab.desc");
    }

    void Draw(int32_t x, int32_t y, int32_t alignment, int32_t spacing, AzTranslationParent* parent = nullptr)
    {
        AzDrawBobTextCommand command(8.0f, "AB", mAlphabet.get(), x, y, alignment, spacing, parent);
        command.Execute();
    }

    std::unique_ptr<AzBobAlphabet> mAlphabet;
};

TEST_F(TextCommandTest, AlignmentAndSpacingPlaceEachLetter)
{
    // "AB" is 8 pixels; with spacing 2 it takes 12.
    Draw(100, 10, AzDrawBobTextCommand::kAlignLeft, 0);
    EXPECT_EQ(FirstColumnOf(10, 10), 100);
    EXPECT_EQ(FirstColumnOf(11, 10), 103);

    Draw(300, 20, AzDrawBobTextCommand::kAlignRight, 2);
    EXPECT_EQ(FirstColumnOf(10, 20), 288);
    EXPECT_EQ(FirstColumnOf(11, 20), 293);

    Draw(300, 30, AzDrawBobTextCommand::kAlignCentre, 2);
    EXPECT_EQ(FirstColumnOf(10, 30), 294);

    EXPECT_EQ(AzDrawBobTextCommand::StartX(300, 40, 3, AzDrawBobTextCommand::kAlignRight, 2), 254);
    EXPECT_EQ(AzDrawBobTextCommand::StartX(300, 40, 3, AzDrawBobTextCommand::kAlignCentre, 2), 277);
    EXPECT_EQ(AzDrawBobTextCommand::StartX(300, 40, 3, 5, 2), 300);
    // A text made narrower than nothing is halved as an unsigned number.
    EXPECT_EQ(AzDrawBobTextCommand::StartX(300, 0, 3, AzDrawBobTextCommand::kAlignCentre, -2),
              static_cast<int32_t>(300u - (static_cast<uint32_t>(-6) / 2u)));
}

TEST_F(TextCommandTest, ParentMovesEveryLetterAndNoAlphabetDrawsNothing)
{
    AzNullRect parent(10, 20, 0, 0);
    Draw(100, 50, AzDrawBobTextCommand::kAlignLeft, 0, &parent);
    EXPECT_EQ(FirstColumnOf(10, 70), 110);
    EXPECT_EQ(FirstColumnOf(11, 70), 113);

    AzDrawBobTextCommand noAlphabet(8.0f, "AB", nullptr, 0, 0, AzDrawBobTextCommand::kAlignLeft, 0, nullptr);
    noAlphabet.Execute();
    EXPECT_EQ(FirstColumnOf(10, 0), -1);
}

} // namespace
