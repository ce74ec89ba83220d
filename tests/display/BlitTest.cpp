// Graphics: copying rows in, the blit's reject, clip and colour-key rules.
#include "DisplayFixture.h"

#include <cstdint>
#include <random>
#include <vector>

namespace {

class BlitTest : public DisplayFixture {
protected:
    void SetUp() override
    {
        DisplayFixture::SetUp();
        CreateScreen();
    }

    int CountDrawnPixels() const
    {
        int drawn = 0;
        for (int y = 0; y < lrGetScreenHeight(); ++y)
            for (int x = 0; x < lrGetScreenWidth(); ++x)
                drawn += ScreenAt(x, y) != lrClearColor;
        return drawn;
    }
};

TEST_F(BlitTest, ClipsTopLeftBySkippingTheSourceRows)
{
    lrGraphic graphic = MakePatternGraphic(32, 32);
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, -10, -5), 1);

    // Source (10, 5)-(32, 32) lands at (0, 0)-(22, 27).
    const uint8_t* pixels = lrGetGraphicPixels(graphic);
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 22; ++x)
            ASSERT_EQ(ScreenAt(x, y), pixels[(y + 5) * 32 + x + 10]) << x << "," << y;
    EXPECT_EQ(CountDrawnPixels(), 22 * 27);
    lrDestroyGraphic(graphic);
}

TEST_F(BlitTest, ClipsBottomRightWithoutStretching)
{
    lrGraphic graphic = MakePatternGraphic(40, 30);
    EXPECT_EQ(lrBlitGraphic(graphic, 4, 2, 20, 20, 630, 470), 1);

    const uint8_t* pixels = lrGetGraphicPixels(graphic);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(ScreenAt(630 + x, 470 + y), pixels[(y + 2) * 40 + x + 4]);
    EXPECT_EQ(CountDrawnPixels(), 100);
    lrDestroyGraphic(graphic);
}

TEST_F(BlitTest, RectanglesOutsideOrJustTouchingAnEdgeDrawNothing)
{
    lrGraphic graphic = MakePatternGraphic(32, 32);
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, -32, 100), 1);  // right edge at 0
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, 100, -32), 1);  // bottom edge at 0
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, 640, 100), 1);
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, 100, 480), 1);
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, 2147483600, 2147483600), 1);
    EXPECT_EQ(CountDrawnPixels(), 0);
    EXPECT_EQ(CapturedDebugText(), "");

    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, -31, -31), 1);
    EXPECT_EQ(CountDrawnPixels(), 1);
    lrDestroyGraphic(graphic);
}

TEST_F(BlitTest, SourceOutsideTheGraphicFailsWithAReport)
{
    lrGraphic graphic = MakePatternGraphic(32, 32);
    EXPECT_EQ(lrBlitGraphic(graphic, 16, 0, 32, 32, 100, 100), 0);
    EXPECT_EQ(lrBlitGraphic(graphic, -1, 0, 8, 8, 100, 100), 0);
    EXPECT_EQ(lrBlitGraphic(nullptr, 0, 0, 8, 8, 100, 100), 0);
    EXPECT_EQ(CountDrawnPixels(), 0);
    EXPECT_EQ(CapturedDebugText(),
        "####CHECKERROR: The provided rectangle was invalid\n"
        "####CHECKERROR: The provided rectangle was invalid\n"
        "####CHECKERROR: DirectDraw received a pointer that was an invalid DirectDraw object\n");

    // A part of the source beyond the graphic that clipping removes is no fault.
    EXPECT_EQ(lrBlitGraphic(graphic, 16, 0, 32, 8, 624, 0), 1);
    EXPECT_EQ(CountDrawnPixels(), 16 * 8);
    lrDestroyGraphic(graphic);
}

TEST_F(BlitTest, KeyPixelsLeaveTheBackgroundAndTheKeyCanChange)
{
    // Widths around the 16-pixel steps of the row copier, with keys scattered
    // at random, must match a plain pixel-by-pixel reference.
    std::mt19937 random(7);
    lrGraphic background = nullptr;
    ASSERT_EQ(lrCreateGraphic(&background, 128, 8, 0), 1); // all index 0
    for (int width : {1, 15, 16, 17, 33, 64, 100}) {
        std::vector<uint8_t> source(static_cast<size_t>(width) * 3);
        for (uint8_t& pixel : source)
            pixel = random() % 4 == 0 ? 254 : static_cast<uint8_t>(random() % 200);
        lrGraphic graphic = nullptr;
        ASSERT_EQ(lrCreateGraphic(&graphic, width, 3, 0), 1);
        ASSERT_EQ(lrCopyToGraphic(graphic, 0, 0, source.data(), width, 3, width), 1);

        lrBlitGraphic(background, 0, 0, 128, 8, 0, 8);
        ASSERT_EQ(lrBlitGraphic(graphic, 0, 0, width, 3, 7, 9), 1);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) {
                uint8_t expected = source[y * width + x] == 254 ? 0 : source[y * width + x];
                ASSERT_EQ(ScreenAt(7 + x, 9 + y), expected) << "width " << width << " at " << x;
            }
        lrDestroyGraphic(graphic);
    }
    lrDestroyGraphic(background);

    uint8_t row[4] = {254, 3, 254, 3};
    lrGraphic graphic = nullptr;
    ASSERT_EQ(lrCreateGraphic(&graphic, 4, 1, 0), 1);
    lrCopyToGraphic(graphic, 0, 0, row, 4, 1, 4);
    lrFlip();
    lrSetColorKey(3);
    lrBlitGraphic(graphic, 0, 0, 4, 1, 0, 0);
    EXPECT_EQ(ScreenAt(0, 0), 254);
    EXPECT_EQ(ScreenAt(1, 0), lrClearColor);
    lrSetColorKey(-1); // no key at all: everything is drawn
    lrBlitGraphic(graphic, 0, 0, 4, 1, 0, 1);
    EXPECT_EQ(ScreenAt(1, 1), 3);
    EXPECT_EQ(ScreenAt(2, 1), 254);
    lrDestroyGraphic(graphic);
}

TEST_F(BlitTest, CopyHonoursPitchAndRefusesBlocksThatDoNotFit)
{
    // Rows 10 bytes apart, 4 bytes used, written at (2, 1) of an 8 x 4 graphic.
    std::vector<uint8_t> rows(30);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<uint8_t>(i);
    lrGraphic graphic = nullptr;
    ASSERT_EQ(lrCreateGraphic(&graphic, 8, 4, lrSystemMemoryFlag), 1);
    EXPECT_EQ(lrCopyToGraphic(graphic, 2, 1, rows.data(), 4, 3, 10), 1);
    const uint8_t* pixels = lrGetGraphicPixels(graphic);
    EXPECT_EQ(pixels[1 * 8 + 2], 0);
    EXPECT_EQ(pixels[1 * 8 + 5], 3);
    EXPECT_EQ(pixels[2 * 8 + 2], 10);
    EXPECT_EQ(pixels[3 * 8 + 5], 23);
    EXPECT_EQ(pixels[1 * 8 + 6], 0);

    // A negative pitch walks upwards: bottom-up rows come out top-down.
    EXPECT_EQ(lrCopyToGraphic(graphic, 0, 0, rows.data() + 20, 2, 3, -10), 1);
    EXPECT_EQ(pixels[0], 20);
    EXPECT_EQ(pixels[2 * 8 + 1], 1);

    std::vector<uint8_t> before(pixels, pixels + 32);
    EXPECT_EQ(lrCopyToGraphic(graphic, 5, 0, rows.data(), 4, 1, 4), 0);
    EXPECT_EQ(lrCopyToGraphic(graphic, 0, 2, rows.data(), 4, 3, 4), 0);
    EXPECT_EQ(lrCopyToGraphic(graphic, -1, 0, rows.data(), 4, 1, 4), 0);
    EXPECT_EQ(lrCopyToGraphic(graphic, 0, 0, nullptr, 4, 1, 4), 0);
    EXPECT_EQ(std::vector<uint8_t>(pixels, pixels + 32), before);
    lrDestroyGraphic(graphic);

    lrGraphic none = nullptr;
    EXPECT_EQ(lrCreateGraphic(&none, 0, 10, 0), 0);
    EXPECT_EQ(lrCreateGraphic(&none, 100000, 100000, 0), 0);
    EXPECT_EQ(none, nullptr);
}

TEST_F(BlitTest, WithoutADisplayEveryBlitIsOffScreenAndNoGraphicIsMade)
{
    lrGraphic graphic = MakePatternGraphic(32, 32);
    lrDestroyDisplay();
    EXPECT_EQ(lrGetScreenWidth(), 0);
    EXPECT_EQ(lrGetScreenHeight(), 0);
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, 0, 0), 1);
    EXPECT_EQ(lrBlitGraphic(graphic, 0, 0, 32, 32, -10, -10), 1);
    EXPECT_EQ(CapturedDebugText(), "");
    lrDestroyGraphic(graphic);

    lrGraphic late = nullptr;
    EXPECT_EQ(lrCreateGraphic(&late, 8, 8, 0), 0);
    EXPECT_EQ(late, nullptr);
    EXPECT_EQ(CapturedDebugText(),
              "####CHECKERROR: DirectDraw received a pointer that was an invalid DirectDraw object\n");
}

} // namespace
