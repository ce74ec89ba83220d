// Frame steps, animation frames, key presses and the random sequence.
#include "GlFrameTiming.h"
#include "GlKeyPress.h"
#include "GlRandom.h"
#include "PlayerRecord.h"

#include "ScriptedKeyboard.h"
#include "VirtualClock.h"
#include "VlHost.h"
#include "VlKeys.h"
#include "lrDisplay.h"
#include "lrPresenter.h"

#include <gtest/gtest.h>

namespace {

// A display without a presenter: lrFlip stamps the virtual clock.
class FrameTimingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Vl::Host host;
        host.clock = &mClock;
        host.keys = &mKeys;
        Vl::SetHost(host);
        lrSetPresenter(nullptr);
        lrCreateDisplay(640, 480, 8, lrWindowedFlag);
        GlResetFrameTiming();
    }
    void TearDown() override
    {
        lrDestroyDisplay();
        Vl::SetHost(Vl::Host());
    }
    void PresentAfter(uint32_t ms)
    {
        mClock.Advance(ms);
        lrFlip();
    }

    Vl::VirtualClock mClock{100000000};
    Vl::ScriptedKeyboard mKeys;
};

TEST_F(FrameTimingTest, StepsFollowTheLastTwoPresents)
{
    lrFlip();
    EXPECT_FLOAT_EQ(FrameStep(10, true), 0.0f) << "first call ever";
    EXPECT_FLOAT_EQ(FrameStepClamped(1000), 0.0f) << "first call ever";

    PresentAfter(250);
    EXPECT_FLOAT_EQ(FrameStep(10, true), 1.0f);
    EXPECT_FLOAT_EQ(FrameStep(10, false), 2.5f) << "same frame, same interval, no clamp";
    EXPECT_FLOAT_EQ(FrameStepClamped(1000), 100.0f) << "interval limited to 100 ms";

    PresentAfter(20);
    EXPECT_FLOAT_EQ(FrameStep(1000, false), 20.0f);
    EXPECT_FLOAT_EQ(FrameStep(1000, false), 20.0f);
    EXPECT_FLOAT_EQ(FrameStepClamped(1000), 20.0f);
    EXPECT_FLOAT_EQ(FrameStepClamped(-200), -4.0f) << "a negative rate moves the other way";
    EXPECT_FLOAT_EQ(FrameStep(-1000, true), -20.0f) << "the clamp only caps steps above 1.0";
    EXPECT_FLOAT_EQ(FrameStep(0, false), 0.0f);
}

TEST_F(FrameTimingTest, AClockGoingBackwardsStepsNothing)
{
    lrFlip();
    FrameStep(12, false);
    mClock.Set(mClock.Milliseconds() - 50);
    lrFlip();
    EXPECT_FLOAT_EQ(FrameStep(12, false), 0.0f);
}

TEST_F(FrameTimingTest, AnimationFramesUseWholeMillisecondsPerFrame)
{
    lrFlip();
    uint32_t start = 0;
    lrGetFlipTime(&start);
    PresentAfter(1000);
    // 1000 / 12 is 83 ms per frame: 1000 / 83 = 12, and 12 mod 8 = 4.
    EXPECT_EQ(AnimFrameIndex(8, 12, start), 4);
    PresentAfter(32);
    EXPECT_EQ(AnimFrameIndex(8, 12, start), 4) << "1032 / 83 is still 12";
    EXPECT_EQ(AnimFrameIndex(3, 30, start), (1032 / 33) % 3);
}

TEST_F(FrameTimingTest, AHeldKeyIsOnePress)
{
    GlKeyPress keys;
    auto frame = [&](int key) {
        keys.BeginFrame();
        bool pressed = keys.KeyPressed(key);
        keys.EndFrame();
        return pressed;
    };
    mKeys.SetDown(Vl::kVK_Return, true);
    EXPECT_TRUE(frame(Vl::kVK_Return));
    EXPECT_FALSE(frame(Vl::kVK_Return));
    EXPECT_FALSE(frame(Vl::kVK_Return));
    mKeys.SetDown(Vl::kVK_Return, false);
    EXPECT_FALSE(frame(Vl::kVK_Return));
    mKeys.SetDown(Vl::kVK_Return, true);
    EXPECT_TRUE(frame(Vl::kVK_Return)) << "released and pressed again";
}

TEST_F(FrameTimingTest, OnlyTheLastKeyAskedIsRemembered)
{
    GlKeyPress keys;
    mKeys.SetDown(Vl::kVK_Left, true);
    mKeys.SetDown(Vl::kVK_Right, true);
    keys.BeginFrame();
    EXPECT_TRUE(keys.KeyPressed(Vl::kVK_Left));
    EXPECT_TRUE(keys.KeyPressed(Vl::kVK_Right));
    keys.EndFrame();
    keys.BeginFrame();
    EXPECT_TRUE(keys.KeyPressed(Vl::kVK_Left)) << "both held: the one asked first presses again";
    EXPECT_FALSE(keys.KeyPressed(Vl::kVK_Right));
    keys.EndFrame();
}

TEST(RandomTest, TheSequenceIsTheSameInEveryRun)
{
    GlResetRandom();
    // state 1 -> 1 * 214013 + 2531011 = 2745024, >> 16 = 41
    EXPECT_EQ(GlRandom(), 41);
    EXPECT_EQ(GlRandom(), 18467);
    EXPECT_EQ(GlRandom(), 6334);
    EXPECT_EQ(GlRandom(), 26500);
    GlResetRandom();
    EXPECT_EQ(GlRandomMod(10), 41 % 10);
    for (int i = 0; i < 10000; ++i) {
        int32_t value = GlRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(PlayerRecordTest, ANewGameAfterAGameOver)
{
    ResetCurrentPlayer();
    PlayerRecord& player = CurrentPlayer();
    EXPECT_EQ(player.lives, 5);
    player.lives = 0;
    player.level = 4;
    player.score = 12345;
    player.giftCount = 7;
    player.health = -0.2f;
    player.gameFinished = true;
    player.outcome = 0;
    player.tourSize = 12;
    player.ResetForNewGame();
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.level, 1);
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(player.giftCount, 0);
    EXPECT_FLOAT_EQ(player.health, 1.0f);
    EXPECT_FALSE(player.gameFinished);
    EXPECT_EQ(player.tourSize, 12) << "navigation resets its own counters";
    ResetCurrentPlayer();
}

TEST(PlayerRecordTest, TourSizes)
{
    EXPECT_EQ(TourSizeForLevel(1), 4);
    EXPECT_EQ(TourSizeForLevel(2), 6);
    EXPECT_EQ(TourSizeForLevel(3), 9);
    EXPECT_EQ(TourSizeForLevel(4), 12);
    EXPECT_EQ(TourSizeForLevel(5), 15);
    EXPECT_EQ(TourSizeForLevel(7), 15);
}

} // namespace

#include "GlFrameRateMeter.h"

namespace {

TEST(FrameRateMeterTest, SettlesAfterTenFrames)
{
    GlFrameRateMeter meter;
    meter.Reset();
    uint32_t time = 100000000;
    meter.Record(time);
    EXPECT_NE(meter.FramesPerSecond(), 50) << "one interval spanning the whole clock";
    for (int i = 0; i < 9; ++i) {
        time += 20;
        meter.Record(time);
        EXPECT_NE(meter.FramesPerSecond(), 50);
    }
    time += 20;
    meter.Record(time);
    EXPECT_EQ(meter.FramesPerSecond(), 50);
    time += 10;
    meter.Record(time);
    EXPECT_EQ(meter.FramesPerSecond(), 53) << "10000 / 190 rounds to 53";
}

} // namespace
