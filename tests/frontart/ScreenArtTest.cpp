// The menu and high-score pictures: sizes and places the screens draw them at, palette, motion.
#include "DistMedia.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace frontart;

const Picture& GamePalettePicture()
{
    static const Picture palette = ReadBmp(MediaFile("Pallettes\\NS_pallette.bmp"));
    return palette;
}

TEST(ScreenArt, BackgroundsFillTheirPlaceOpaqueInTheGamePalette)
{
    const struct {
        const char* name;
        int width, height;
    } pictures[] = {{"menu_bg.bmp", 640, 480},
                    {"fullblack.bmp", 640, 480},
                    {"menus\\black.bmp", 640, 430}, // drawn at (0, 50), down to the bottom edge
                    {"menus\\highscore_bg.bmp", 640, 480}};
    for (const auto& expected : pictures) {
        SCOPED_TRACE(expected.name);
        const Picture picture = ReadBmp(MediaFile(expected.name));
        EXPECT_EQ(picture.width, expected.width);
        EXPECT_EQ(picture.height, expected.height);
        // The screens set the game palette; a picture quantised to any other would show false colours.
        EXPECT_EQ(picture.colours, GamePalettePicture().colours);
        const auto holes = std::count(picture.pixels.begin(), picture.pixels.end(), uint8_t(254));
        EXPECT_EQ(holes, 0) << "transparent pixels in a background";
    }
    const Picture black = ReadBmp(MediaFile("fullblack.bmp"));
    for (uint8_t index : black.pixels) ASSERT_EQ(black.colours[index], (Colour{0, 0, 0}));
}

TEST(ScreenArt, MenuBackgroundKeepsItsItemsOnACalmBoard)
{
    // Light letters read on dark ground: the rows behind the items hold no bright pixels
    // (snow, stars, moon), which would break the letters' outlines up.
    const Picture menu = ReadBmp(MediaFile("menu_bg.bmp"));
    for (int y : {132, 150, 196, 215, 261, 280, 329, 345, 400, 420}) {
        for (int x = 190; x < 450; ++x) {
            const Colour c = menu.colours[menu.At(x, y)];
            ASSERT_LT(int(c.r) + c.g + c.b, 3 * 140) << "bright pixel at " << x << ", " << y;
        }
    }
}

int OpaqueCount(const Frame& frame)
{
    return int(std::count_if(frame.pixels.begin(), frame.pixels.end(), [](uint8_t i) { return i != 254; }));
}

TEST(ScreenArt, GlimmerLoopsWithRealMotionInTheMenuCorner)
{
    const Sprite glim = ReadSpx(MediaFile("menus\\glim.spx"));
    // The menu cycles through all frames but the last.
    ASSERT_GE(glim.frames.size(), 4u);
    ASSERT_EQ(glim.path.size(), glim.frames.size());
    const size_t cycle = glim.frames.size() - 1;
    for (size_t i = 0; i < glim.frames.size(); ++i) {
        const Frame& f = glim.frames[i];
        const int left = 523 + glim.path[i].first - glim.path[0].first;
        const int top = 347 + glim.path[i].second - glim.path[0].second;
        EXPECT_GE(left, 523 - 20);
        EXPECT_LE(left + f.width, 640) << "frame " << i << " runs off the right edge";
        EXPECT_LE(top + f.height, 480) << "frame " << i << " runs off the bottom edge";
        EXPECT_GT(OpaqueCount(f), f.width * f.height / 5) << "frame " << i << " is nearly empty";
        EXPECT_EQ(std::count(f.pixels.begin(), f.pixels.end(), uint8_t(255)), 0);
    }
    for (size_t i = 0; i < cycle; ++i) {
        const Frame& a = glim.frames[i];
        const Frame& b = glim.frames[(i + 1) % cycle];
        EXPECT_TRUE(a.width != b.width || a.height != b.height || a.pixels != b.pixels)
            << "frames " << i << " and " << (i + 1) % cycle << " are the same";
    }
}

int VisibleWidth(const Frame& frame)
{
    int first = frame.width, last = -1;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            if (frame.At(x, y) != 254) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return last - first + 1;
}

TEST(ScreenArt, CoinTurnsNarrowingToItsEdgeAndBack)
{
    const Sprite coin = ReadSpx(MediaFile("menus\\score_coin.spx"));
    ASSERT_GE(coin.frames.size(), 8u);
    std::vector<int> widths;
    for (const Frame& f : coin.frames) {
        // Both coins stand beside the title at a fixed place, 48 pixels apart from it.
        EXPECT_EQ(f.width, 48);
        EXPECT_EQ(f.height, 48);
        EXPECT_EQ(std::count(f.pixels.begin(), f.pixels.end(), uint8_t(255)), 0);
        widths.push_back(VisibleWidth(f));
    }
    const int widest = *std::max_element(widths.begin(), widths.end());
    const int narrowest = *std::min_element(widths.begin(), widths.end());
    EXPECT_GE(widest, 40);
    EXPECT_LE(narrowest, widest / 3);
    // One smooth turn: the frame after the last is the first again, so the ends match.
    EXPECT_GE(widths.front(), widest - 2);
    EXPECT_GE(widths.back(), widest - 8);
    for (size_t i = 1; i < widths.size(); ++i) EXPECT_LE(std::abs(widths[i] - widths[i - 1]), widest / 2) << i;
}

} // namespace
