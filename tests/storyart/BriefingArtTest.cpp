// The briefing and totals media against the screens that draw them: sizes, palette, places, loops.
#include "StoryScreens.h"

#include <gtest/gtest.h>

namespace {

using namespace storyart;

const char* const kBackgrounds[] = {"menus\\act01_bg.bmp", "menus\\navig_bg.bmp", "menus\\act02_bg.bmp",
                                    "menus\\score_bg.bmp"};

// Each sprite, where a screen draws it, and the loop it plays in.
struct ScreenSprite {
    const char* name;
    int x, y;
};
const ScreenSprite kSprites[] = {
    {"menus\\sn_all.spx", 271, 164},     {"menus\\score_gift.spx", 226, 351}, {"menus\\confetti.spx", 214, 259},
    {"menus\\gift_open.spx", 288, 304},  {"menus\\band_flag.spx", 205, 33},   {"menus\\band_flag02.spx", 400, 33},
};

TEST(BriefingPictures, FillTheScreenOpaquelyInTheGamePalette)
{
    const Picture game = Bmp("Pallettes\\NS_pallette.bmp");
    for (const char* name : kBackgrounds) {
        SCOPED_TRACE(name);
        const Picture p = Bmp(name);
        EXPECT_EQ(p.width, 640);
        EXPECT_EQ(p.height, 480);
        EXPECT_EQ(p.colours, game.colours);
        EXPECT_EQ(CountIndex(p.pixels, kTransparent), 0);
        EXPECT_EQ(CountIndex(p.pixels, kClear), 0);
    }
}

// The light letters of the screens need a dark, calm ground where they are written.
TEST(BriefingPictures, LeaveDarkRoomWhereTheScreensWriteTheirNumbers)
{
    const Picture game = Bmp("Pallettes\\NS_pallette.bmp");
    auto meanBrightness = [&](const Picture& p, int left, int top, int right, int bottom) {
        long sum = 0, n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x, ++n) {
                const Colour c = game.colours[p.At(x, y)];
                sum += (c.r + c.g + c.b) / 3;
            }
        return sum / n;
    };
    for (const char* name : kBackgrounds) {
        SCOPED_TRACE(name);
        const Picture p = Bmp(name);
        // "= lives" and "= gifts", centred on x 336 at y 272 and 360.
        EXPECT_LT(meanBrightness(p, 300, 276, 380, 306), 90);
        EXPECT_LT(meanBrightness(p, 300, 364, 380, 394), 90);
    }
}

TEST(BriefingSprites, LoopOnScreenWithoutTheClearColour)
{
    for (const ScreenSprite& s : kSprites) {
        SCOPED_TRACE(s.name);
        const Sprite sprite = Spx(s.name);
        ASSERT_GE(sprite.frames.size(), 8u) << "too short to look alive";
        ASSERT_EQ(sprite.path.size(), sprite.frames.size());
        for (size_t i = 0; i < sprite.frames.size(); ++i) {
            EXPECT_EQ(CountIndex(sprite.frames[i].pixels, kClear), 0);
            const Box b = VisibleBoxOf(sprite, i, s.x, s.y);
            EXPECT_GE(b.left, 0) << "frame " << i;
            EXPECT_LE(b.right, 640) << "frame " << i;
            EXPECT_GE(b.top, 0) << "frame " << i;
            EXPECT_LE(b.bottom, 480) << "frame " << i;
            // Cycled endlessly: the step from the last frame back to the first counts too.
            const size_t next = (i + 1) % sprite.frames.size();
            const bool same = sprite.frames[i].pixels == sprite.frames[next].pixels &&
                              sprite.PlaceOf(i, 0, 0) == sprite.PlaceOf(next, 0, 0);
            const bool restingGift = std::string(s.name) == "menus\\gift_open.spx";
            if (!restingGift) {
                EXPECT_FALSE(same) << "frame " << next << " repeats frame " << i;
            }
        }
    }
}

TEST(BriefingSprites, GiftOpensAndConfettiBurstsInStep)
{
    const Sprite gift = Spx("menus\\gift_open.spx");
    const Sprite confetti = Spx("menus\\confetti.spx");
    // Both cycle at 15 frames a second from the same clock: equal counts keep them together.
    ASSERT_EQ(gift.frames.size(), confetti.frames.size());
    // Opened, the lid rises well above the closed box.
    const int closedTop = VisibleBoxOf(gift, 0, 288, 304).top;
    int openTop = closedTop;
    for (size_t i = 0; i < gift.frames.size(); ++i) openTop = std::min(openTop, VisibleBoxOf(gift, i, 288, 304).top);
    EXPECT_LT(openTop, closedTop - 20) << "the lid never lifts";
    // The confetti starts from nothing in the frame the lid lifts, and then spreads.
    size_t burst = 0;
    for (size_t i = 1; i < confetti.frames.size(); ++i) {
        const auto opaque = [&](size_t k) {
            return confetti.frames[k].pixels.size() - CountIndex(confetti.frames[k].pixels, kTransparent);
        };
        if (opaque(i) < opaque(burst)) burst = i;
    }
    EXPECT_LT(VisibleBoxOf(gift, burst, 288, 304).top, closedTop - 10) << "confetti before the lid lifts";
    EXPECT_GE(VisibleBoxOf(gift, (burst + gift.frames.size() - 1) % gift.frames.size(), 288, 304).top, closedTop - 12)
        << "the lid was already open";
    int widest = 0, tallest = 0;
    for (size_t i = 0; i < confetti.frames.size(); ++i) {
        const Box b = VisibleBoxOf(confetti, i, 214, 259);
        widest = std::max(widest, b.right - b.left);
        tallest = std::max(tallest, b.bottom - b.top);
    }
    EXPECT_GT(widest, 120) << "the confetti does not spread";
    EXPECT_GT(tallest, 80) << "the confetti does not spread";
}

TEST(TotalsSprites, BannersHangSymmetricallyAboutTheScore)
{
    const Sprite left = Spx("menus\\band_flag.spx");
    const Sprite right = Spx("menus\\band_flag02.spx");
    ASSERT_EQ(left.frames.size(), right.frames.size());
    // Drawn at x 205 and x 400, the score centred on x 320 between them.
    for (size_t i = 0; i < left.frames.size(); ++i) {
        const Box l = BoxOf(left, i, 205, 33), r = BoxOf(right, i, 400, 33);
        EXPECT_EQ(320 - l.left, r.right - 320) << "frame " << i;
        EXPECT_LE(l.right, 260) << "a banner reaches into the score";
        EXPECT_GE(r.left, 380) << "a banner reaches into the score";
    }
}

} // namespace
