// The intro's media against what its timeline draws: sizes, frame counts, palette, places, the flying team.
#include "StoryScreens.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace storyart;

const char kPalette[] = "cutscenes\\cut1\\intro_01_pall.bmp";

// Each sprite of the intro, where the scene draws it, and the highest frame it shows.
struct IntroSprite {
    const char* name;
    int x, y;
    int lastFrame;
};
const IntroSprite kSprites[] = {
    {"cutscenes\\cut1\\title_wipe.spx", 41, 57, 9},  {"cutscenes\\cut1\\iris.spx", 333, 244, 4},
    {"cutscenes\\cut1\\glim_enter.spx", 337, 248, 11}, {"cutscenes\\cut1\\shine_01.spx", 34, 65, 7},
    {"cutscenes\\cut1\\shine_02.spx", 286, 147, 7},  {"cutscenes\\cut1\\sleigh.spx", -29, 34, 39},
    {"cutscenes\\cut1\\deer.spx", -34, 49, 40},
};

// The five copies of the deer: place, and the scene frame at which each shows frame 0.
struct DeerCopy {
    int x, y, start;
};
const DeerCopy kDeer[] = {{-34, 49, 21}, {-21, 47, 23}, {-34, 49, 22}, {-46, 49, 25}, {-21, 42, 25}};

const Sprite& Loaded(const char* name)
{
    static std::map<std::string, Sprite> cache;
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.emplace(name, Spx(name)).first;
    return it->second;
}

TEST(IntroPictures, LetterboxAndPictureCoverTheScreenInBlackAndNight)
{
    const Picture bar = Bmp("cutscenes\\black.bmp");
    const Picture picture = Bmp("cutscenes\\cut1\\intro_bg.bmp");
    ASSERT_EQ(bar.width, 640);
    ASSERT_EQ(picture.width, 640);
    // Bars at y 0, 400 and 430 and the picture at y 50: no row of the screen is left to the
    // clear colour, and the picture is not cut by a bar.
    EXPECT_GE(bar.height, 50);
    EXPECT_EQ(picture.height, 350);
    EXPECT_GE(430 + bar.height, 480);
    EXPECT_LE(400 - bar.height, 400);

    // The bar is black under the intro's palette and under the game palette alike, since
    // the other cutscenes draw it over their own palettes.
    const Picture palette = Bmp(kPalette);
    const Picture game = Bmp("Pallettes\\NS_pallette.bmp");
    for (uint8_t index : bar.pixels) {
        EXPECT_EQ(palette.colours[index], (Colour{0, 0, 0}));
        EXPECT_EQ(game.colours[index], (Colour{0, 0, 0}));
    }
}

TEST(IntroPictures, EveryPictureIsOpaqueAndCarriesTheIntroPalette)
{
    const Picture palette = Bmp(kPalette);
    EXPECT_EQ(palette.colours[254], (Colour{255, 0, 255})) << "the transparent key";
    EXPECT_EQ(palette.colours[255], (Colour{0, 0, 0})) << "the clear colour";
    EXPECT_EQ(palette.colours[0], (Colour{0, 0, 0}));
    for (const char* name : {"cutscenes\\black.bmp", "cutscenes\\cut1\\intro_bg.bmp"}) {
        SCOPED_TRACE(name);
        const Picture p = Bmp(name);
        EXPECT_EQ(p.colours, palette.colours);
        EXPECT_EQ(CountIndex(p.pixels, kTransparent), 0);
    }
}

TEST(IntroPictures, FarBlackPictureStaysBlackUnderTheIntroPalette)
{
    const Picture palette = Bmp(kPalette);
    const Picture far = Bmp("fullblack.bmp");
    EXPECT_EQ(far.width, 640);
    EXPECT_EQ(far.height, 480);
    for (uint8_t index : far.pixels) ASSERT_EQ(palette.colours[index], (Colour{0, 0, 0})) << int(index);
}

TEST(IntroPictures, NightPictureUsesTheNightRampsItWasGivenAndIsNotFlat)
{
    const Picture picture = Bmp("cutscenes\\cut1\\intro_bg.bmp");
    std::vector<int> used(256);
    for (uint8_t index : picture.pixels) ++used[index];
    int distinct = 0;
    for (int n : used) distinct += n > 0;
    EXPECT_GT(distinct, 60);
    // The sky is painted from the intro's own night ramp, not only the game's colours.
    int night = 0;
    for (int i = 192; i < 224; ++i) night += used[i];
    EXPECT_GT(night, 640 * 350 / 4);
    // Dark sky above, lighter snow below.
    auto brightness = [&](int y) {
        long sum = 0;
        for (int x = 0; x < 640; ++x) {
            const Colour c = picture.colours[picture.At(x, y)];
            sum += c.r + c.g + c.b;
        }
        return sum / 640;
    };
    EXPECT_LT(brightness(5), brightness(345));
}

TEST(IntroSprites, HaveEveryFrameTheTimelineShowsAndNeverTheClearColour)
{
    for (const IntroSprite& s : kSprites) {
        SCOPED_TRACE(s.name);
        const Sprite& sprite = Loaded(s.name);
        ASSERT_GT(int(sprite.frames.size()), s.lastFrame);
        EXPECT_EQ(sprite.path.size(), sprite.frames.size());
        for (const Frame& f : sprite.frames) EXPECT_EQ(CountIndex(f.pixels, kClear), 0);
    }
}

TEST(IntroSprites, MoveFromFrameToFrame)
{
    for (const IntroSprite& s : kSprites) {
        SCOPED_TRACE(s.name);
        const Sprite& sprite = Loaded(s.name);
        for (int i = 1; i <= s.lastFrame; ++i) {
            // Off the screen before it enters or after it leaves, nothing has to move.
            if (!ShowsSomething(sprite.frames[i]) && !ShowsSomething(sprite.frames[i - 1])) continue;
            const bool samePicture = sprite.frames[i].pixels == sprite.frames[i - 1].pixels &&
                                     sprite.frames[i].width == sprite.frames[i - 1].width;
            const bool samePlace = sprite.PlaceOf(i, 0, 0) == sprite.PlaceOf(i - 1, 0, 0);
            EXPECT_FALSE(samePicture && samePlace) << "frame " << i << " repeats frame " << i - 1;
        }
    }
}

TEST(IntroSprites, StillOnesStayInsideThePictureBetweenTheBars)
{
    // The title, the ring, Glimmer and the sparkles never reach under a bar or off the screen.
    for (const IntroSprite& s : kSprites) {
        const std::string name = s.name;
        if (name.find("sleigh") != std::string::npos || name.find("deer") != std::string::npos) continue;
        SCOPED_TRACE(name);
        const Sprite& sprite = Loaded(s.name);
        for (int i = 0; i <= s.lastFrame; ++i) {
            const Box b = VisibleBoxOf(sprite, i, s.x, s.y);
            if (b.right == b.left) continue;
            EXPECT_GE(b.left, 0) << "frame " << i;
            EXPECT_LE(b.right, 640) << "frame " << i;
            EXPECT_GE(b.top, 50) << "frame " << i;
            EXPECT_LE(b.bottom, 400) << "frame " << i;
        }
    }
}

TEST(IntroSprites, TitleEndsWholeAndGlimmerEndsAsHeStarted)
{
    const Sprite& title = Loaded("cutscenes\\cut1\\title_wipe.spx");
    // Each wipe frame shows more of the title than the one before; the glitter on the
    // wiping edge may reach a little past where the whole title ends.
    int shown = 0;
    for (int i = 0; i <= 8; ++i) {
        const Box b = VisibleBoxOf(title, i, 41, 57);
        EXPECT_GT(b.right, shown) << "frame " << i;
        shown = b.right;
    }
    EXPECT_GE(VisibleBoxOf(title, 9, 41, 57).right, VisibleBoxOf(title, 7, 41, 57).right);
    // The scene plays 5, 6, 7 both after frame 4 and after frame 11: they are one pose.
    const Sprite& glimmer = Loaded("cutscenes\\cut1\\glim_enter.spx");
    EXPECT_EQ(glimmer.frames[4].pixels, glimmer.frames[11].pixels);
    EXPECT_EQ(glimmer.PlaceOf(4, 0, 0), glimmer.PlaceOf(11, 0, 0));
}

TEST(IntroSprites, SleighTrailsItsTeamAcrossTheSky)
{
    const Sprite& sleigh = Loaded("cutscenes\\cut1\\sleigh.spx");
    const Sprite& deer = Loaded("cutscenes\\cut1\\deer.spx");
    bool crossed = false;
    for (int f = 26; f <= 65; ++f) {
        const Box s = VisibleBoxOf(sleigh, f - 26, -29, 34);
        // Only while the sleigh is wholly on the screen: entering, only its reins show.
        if (s.right == s.left || s.left < 0 || s.right > 640) continue;
        for (const DeerCopy& d : kDeer) {
            if (f < d.start || f - d.start > 40) continue;
            const Box b = VisibleBoxOf(deer, f - d.start, d.x, d.y);
            if (b.right == b.left) continue;
            EXPECT_LT(s.CentreX(), b.left) << "scene frame " << f << ", deer from " << d.start;
        }
        crossed = crossed || (s.left < 320 && s.right > 320);
    }
    EXPECT_TRUE(crossed) << "the sleigh never reaches the middle of the screen";
    // Gone by the time the scene stops drawing them: nothing left hanging in the sky.
    auto gone = [](const Sprite& sprite, size_t frame, int x, int y) {
        return !ShowsSomething(sprite.frames[frame]) || VisibleBoxOf(sprite, frame, x, y).left >= 640;
    };
    EXPECT_TRUE(gone(sleigh, 39, -29, 34));
    for (const DeerCopy& d : kDeer) EXPECT_TRUE(gone(deer, 40, d.x, d.y)) << "deer from " << d.start;
}

} // namespace
