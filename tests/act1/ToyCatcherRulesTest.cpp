// The act-1 arithmetic that is easy to get wrong: tables by level, item draws, shots, targets, the health bar.
#include "GlRandom.h"
#include "GlSnowmobile.h"
#include "GlTCGift.h"
#include "GlTCPenguin.h"
#include "GlToyCatcher.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>

namespace {

TEST(ToyCatcherRulesTest, PenguinDelayByLevel)
{
    const std::map<int32_t, uint32_t> expected = {{1, 8000}, {2, 7000}, {3, 5000}, {4, 5000},
                                                  {5, 3000}, {9, 3000}, {0, 3000}, {-4, 3000}};
    for (const auto& [level, delay] : expected)
        EXPECT_EQ(GlToyCatcher::PenguinDelayForLevel(level), delay) << "level " << level;
}

TEST(ToyCatcherRulesTest, HealthBarTargetTruncatesAndStaysInsideThePicture)
{
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, 1.0f), 160);
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, 0.5f), 80);
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, 0.999f), 159);
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, 0.0f), 1);
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, -0.5f), 1);
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, 7.0f), 160);
    EXPECT_EQ(GlToyCatcher::HealthBarTarget(160, std::nanf("")), 1);
}

TEST(ToyCatcherRulesTest, HealthBarSlidesTowardItsTargetWithoutPassingIt)
{
    EXPECT_FLOAT_EQ(GlToyCatcher::SlideBarWidth(160.0f, 80, 0.34f), 159.66f);
    EXPECT_FLOAT_EQ(GlToyCatcher::SlideBarWidth(80.2f, 80, 0.34f), 80.0f);
    EXPECT_FLOAT_EQ(GlToyCatcher::SlideBarWidth(40.0f, 80, 2.0f), 42.0f);
    EXPECT_FLOAT_EQ(GlToyCatcher::SlideBarWidth(79.9f, 80, 2.0f), 80.0f);
    EXPECT_FLOAT_EQ(GlToyCatcher::SlideBarWidth(80.0f, 80, 2.0f), 80.0f);
    // 20 pixels a second: one second of 17 ms frames (each clamped step 0.34) moves about 20.
    float shown = 160.0f;
    for (int frame = 0; frame < 59; ++frame)
        shown = GlToyCatcher::SlideBarWidth(shown, 1, 0.34f);
    EXPECT_NEAR(shown, 140.0f, 0.1f);
}

TEST(ToyCatcherRulesTest, SnowblowerShotCountsAndTargets)
{
    const int32_t counts[] = {1, 1, 3, 4, 6, 7, 7, 7};
    for (int32_t level = 1; level <= 8; ++level)
        EXPECT_EQ(GlTCPenguin::ShotCountForLevel(level), counts[level - 1]) << "level " << level;
    EXPECT_EQ(GlTCPenguin::ShotCountForLevel(0), 1);
    EXPECT_EQ(GlTCPenguin::ShotCountForLevel(-3), 1);
    EXPECT_EQ(GlTCPenguin::ShotCountForLevel(2000000000), 7);

    EXPECT_FLOAT_EQ(GlTCPenguin::TargetX(1, 0), 268.0f);
    const float three[] = {108, 268, 428};
    for (int i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(GlTCPenguin::TargetX(3, i), three[i]);
    const float four[] = {76, 204, 332, 460};
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(GlTCPenguin::TargetX(4, i), four[i]);
    // No integer division: 640 / 7 keeps its fraction.
    const float six[] = {39.43f, 130.86f, 222.29f, 313.71f, 405.14f, 496.57f};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(GlTCPenguin::TargetX(6, i), six[i], 0.01f);
    const float seven[] = {28, 108, 188, 268, 348, 428, 508};
    for (int i = 0; i < 7; ++i)
        EXPECT_FLOAT_EQ(GlTCPenguin::TargetX(7, i), seven[i]);
    // Every target lies left of 588, so a snowblower never leaves while it shoots.
    for (int32_t count = 1; count <= 7; ++count)
        EXPECT_LT(GlTCPenguin::TargetX(count, count - 1), 588.0f);
}

TEST(ToyCatcherRulesTest, SniperPlaces)
{
    const float places[4][2] = {{37, 94}, {204, 56}, {391, 57}, {522, 88}};
    for (int32_t place = 0; place < 4; ++place) {
        float x = 0, y = 0;
        GlTCPenguin::SniperPlace(place, x, y);
        EXPECT_EQ(x, places[place][0]);
        EXPECT_EQ(y, places[place][1]);
    }
}

TEST(ToyCatcherRulesTest, BeltHeightsByLook)
{
    const float heights[GlTCGift::kLookCount][2] = {{119, 160}, {120, 162}, {121, 162}, {122, 164}, {120, 162},
                                                    {119, 160}, {110, 152}, {110, 152}, {120, 162}};
    for (int32_t look = 0; look < GlTCGift::kLookCount; ++look) {
        GlTCGift::BeltHeights h = GlTCGift::HeightsFor(static_cast<GlTCGift::Look>(look));
        EXPECT_EQ(h.upper, heights[look][0]) << "look " << look;
        EXPECT_EQ(h.lower, heights[look][1]) << "look " << look;
    }
}

TEST(ToyCatcherRulesTest, TheFirstItemsOfARunFollowTheGeneratorDrawByDraw)
{
    // The generator from state 1 answers 41, 18467, 6334, 26500, 19169, 15724, 11478 ...
    GlResetRandom();
    // 41 mod 4 = 1: a gift; 18467 mod 5 = 2: the third look; 6334 mod 100 = 34 < 75: falls;
    // 26500 mod 500 + 70 = 70; 19169 mod 2 = 1: negated.
    GlTCGift::Draws first = GlTCGift::DrawItem(1, 75);
    EXPECT_EQ(first.kind, GlTCGift::kGift);
    EXPECT_EQ(first.look, GlTCGift::kLookGift3);
    EXPECT_TRUE(first.falls);
    EXPECT_EQ(first.fallPoint, -70);
    // 15724 mod 4 = 0: beehive or special; 11478 mod 2 = 0: special; 29358 mod 3 = 0: oil can;
    // 26962 mod 100 = 62 < 75: falls; 24464 mod 500 + 70 = 534; 5705 mod 2 = 1: negated.
    GlTCGift::Draws second = GlTCGift::DrawItem(1, 75);
    EXPECT_EQ(second.kind, GlTCGift::kOilCan);
    EXPECT_EQ(second.look, GlTCGift::kLookOilCan);
    EXPECT_EQ(second.fallPoint, -534);
}

TEST(ToyCatcherRulesTest, ItemDrawsOverManyItems)
{
    GlResetRandom();
    std::map<int32_t, int> kinds;
    for (int i = 0; i < 20000; ++i) {
        GlTCGift::Draws draws = GlTCGift::DrawItem(5, 75);
        ++kinds[draws.kind];
        if (draws.falls) {
            EXPECT_GE(std::abs(draws.fallPoint), 70);
            EXPECT_LE(std::abs(draws.fallPoint), 569);
        } else {
            EXPECT_EQ(draws.fallPoint, 0);
        }
        if (draws.kind == GlTCGift::kGift) {
            EXPECT_LE(draws.look, GlTCGift::kLookGift5);
        }
    }
    // From level 5 no extra life is ever made; about a quarter are beehives or specials,
    // and of that quarter one in six is special at level 5.
    EXPECT_EQ(kinds[GlTCGift::kExtraLife], 0);
    EXPECT_NEAR(kinds[GlTCGift::kGift] / 20000.0, 0.75, 0.02);
    EXPECT_NEAR((kinds[GlTCGift::kOilCan] + kinds[GlTCGift::kDoubleBonus]) / 5000.0, 1.0 / 6.0, 0.03);

    kinds.clear();
    for (int i = 0; i < 20000; ++i)
        ++kinds[GlTCGift::DrawItem(1, 75).kind];
    EXPECT_GT(kinds[GlTCGift::kExtraLife], 0);

    // Odds of 0 never drop an item, 100 always do; a broken level never divides by zero.
    EXPECT_FALSE(GlTCGift::DrawItem(1, 0).falls);
    EXPECT_TRUE(GlTCGift::DrawItem(1, 100).falls);
    for (int i = 0; i < 100; ++i)
        GlTCGift::DrawItem(-1, 75);
}

TEST(ToyCatcherRulesTest, SnowmobileLayoutAndLongShakeTable)
{
    const int32_t table[22] = {7, 12, 13, 14, 15, 16, 17, 18, 18, 18, 18, 18, 18, 16, 18, 16, 18, 16, 18, 16, 18, 19};
    for (int32_t ticks = 0; ticks < 22; ++ticks)
        EXPECT_EQ(GlSnowmobile::LongShakeFrame(ticks), table[ticks]) << "ticks " << ticks;
    EXPECT_EQ(GlSnowmobile::LongShakeFrame(-1), 7);
    EXPECT_EQ(GlSnowmobile::LongShakeFrame(40), 19);

    EXPECT_EQ(GlSnowmobile::PartOffset(GlSnowmobile::kHead, true).x, 24);
    EXPECT_EQ(GlSnowmobile::PartOffset(GlSnowmobile::kSnow, false).y, 29);
    EXPECT_EQ(GlSnowmobile::PartOffset(GlSnowmobile::kTrunk, false).x, 38);
    EXPECT_EQ(GlSnowmobile::TrunkBoxLayout(false).GetX(), -35);
    EXPECT_EQ(GlSnowmobile::HeadBoxLayout(true).GetWidth(), 30);
}

} // namespace
