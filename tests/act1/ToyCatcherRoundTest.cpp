// One round frame by frame on the built media: timers, display values, catches, hits, the win and the loss.
#include "ToyCatcherFixture.h"

#include "AzBlitterObject.h"

namespace {

class ToyCatcherRoundTest : public ToyCatcherFixture {};

int CountActors(const GlToyCatcher& round, bool (*is)(const GlGameObject*))
{
    int count = 0;
    for (const GlGameObject* actor : round.Actors().Actors())
        count += is(actor) ? 1 : 0;
    return count;
}

bool IsPenguin(const GlGameObject* actor)
{
    return dynamic_cast<const GlTCPenguin*>(actor) != nullptr;
}

bool IsGift(const GlGameObject* actor)
{
    return dynamic_cast<const GlTCGift*>(actor) != nullptr;
}

TEST_F(ToyCatcherRoundTest, FirstRoundSpawnsAPenguinAtOnceAndAGiftAfterTwoSeconds)
{
    GlToyCatcher& round = StartRound();
    Step();
    EXPECT_EQ(CountActors(round, IsPenguin), 1);
    EXPECT_TRUE(round.PenguinPresent());
    EXPECT_EQ(CountActors(round, IsGift), 0);
    // 2000 ms pass after 118 frames of 17 ms; the gift comes with the first frame beyond.
    Frames(117);
    EXPECT_EQ(CountActors(round, IsGift), 0);
    Frames(2);
    EXPECT_EQ(CountActors(round, IsGift), 1);
}

TEST_F(ToyCatcherRoundTest, NoSecondPenguinWhileOneIsOnTheField)
{
    CurrentPlayer().level = 5;
    GlToyCatcher& round = StartRound();
    int most = 0;
    bool sawLeave = false;
    for (int frame = 0; frame < 1500; ++frame) {
        Step();
        const int penguins = CountActors(round, IsPenguin);
        most = std::max(most, penguins);
        sawLeave = sawLeave || penguins == 0;
        EXPECT_EQ(round.PenguinPresent(), penguins == 1) << "frame " << frame;
    }
    EXPECT_EQ(most, 1);
    EXPECT_TRUE(sawLeave);
}

TEST_F(ToyCatcherRoundTest, LaterRoundsKeepTheRunsTimersAndBarWidth)
{
    StartRound();
    Frames(150);
    const uint32_t lastGift = GlToyCatcher::SharedValues().lastGiftSpawn;
    EXPECT_NE(lastGift, 0u);
    CurrentPlayer().health = 0.5f;
    Frames(60);
    const float shown = GlToyCatcher::SharedValues().barWidth;
    EXPECT_LT(shown, 160.0f);

    // A new round: the bar goes on from where it was, and with more than 2 s since the
    // last gift, the first gift comes on the first frame.
    mClock.Advance(3000);
    GlToyCatcher& next = StartRound();
    EXPECT_EQ(GlToyCatcher::SharedValues().barWidth, shown);
    Step();
    EXPECT_EQ(CountActors(next, IsGift), 1);
    EXPECT_LT(GlToyCatcher::SharedValues().barWidth, shown);
}

TEST_F(ToyCatcherRoundTest, HealthBarSlidesTwentyPixelsASecond)
{
    GlToyCatcher& round = StartQuietRound();
    const int32_t full = round.Image(GlToyCatcher::kMeter)->GetWidth();
    Step();
    EXPECT_EQ(GlToyCatcher::SharedValues().barWidth, static_cast<float>(full));
    CurrentPlayer().health = 0.25f;
    Frames(59); // 1003 ms
    EXPECT_NEAR(GlToyCatcher::SharedValues().barWidth, full - 20.0f, 0.5f);
    Frames(600);
    EXPECT_EQ(GlToyCatcher::SharedValues().barWidth, static_cast<float>(full / 4));
}

TEST_F(ToyCatcherRoundTest, DoubleBonusIconGoesTenSecondsAfterTheCatch)
{
    GlToyCatcher& round = StartQuietRound();
    Step();
    uint32_t now = 0;
    lrGetFlipTime(&now);
    round.StartDoubleBonus(now);
    Frames(588); // 9996 ms
    EXPECT_TRUE(round.DoubleBonusActive());
    Frames(2);
    EXPECT_FALSE(round.DoubleBonusActive());
}

TEST_F(ToyCatcherRoundTest, CatchTableScoresAndSounds)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(300.0f);
    PlayerRecord& player = CurrentPlayer();
    player.giftQuota = 100;
    player.health = 0.8f;
    Step();
    const float trunkMiddle = static_cast<float>(snowmobile.TrunkBox().GetPosition().x) + 24.0f;

    struct Case {
        GlTCGift::Kind kind;
        GlTCGift::Look look;
        int32_t score;
        int32_t gifts;
        int32_t lives;
    };
    const Case cases[] = {
        {GlTCGift::kGift, GlTCGift::kLookGift1, 20, 1, 0},
        {GlTCGift::kOilCan, GlTCGift::kLookOilCan, 75, 0, 0},
        {GlTCGift::kExtraLife, GlTCGift::kLookExtraLife, 200, 0, 1},
        {GlTCGift::kDoubleBonus, GlTCGift::kLookDoubleBonus, 125, 0, 0},
        {GlTCGift::kGift, GlTCGift::kLookGift4, 20, 2, 0}, // the double bonus now counts it twice
        {GlTCGift::kBeehive, GlTCGift::kLookBeehive, -1, 0, 0},
    };
    for (const Case& c : cases) {
        const PlayerRecord before = player;
        GlTCGift* item = AddFallingItem(c.kind, c.look, 0.0f, 300.0f);
        item->SetPlace(ItemXFor(*item, trunkMiddle), 300.0f, GlTCGift::kFalling);
        ASSERT_GT(FramesUntilGone(item), 0);
        EXPECT_EQ(player.score - before.score, c.score) << "kind " << c.kind;
        EXPECT_EQ(player.giftCount - before.giftCount, c.gifts) << "kind " << c.kind;
        EXPECT_EQ(player.lives - before.lives, c.lives) << "kind " << c.kind;
        EXPECT_TRUE(snowmobile.Caught());
        EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadNormal);
        Frames(40); // the catch animation ends
    }
    // Oil at 0.8 gives 1.0, not 1.1; the bees then sting.
    EXPECT_TRUE(snowmobile.Bees());
    EXPECT_EQ(HeardCount("inbox.wav"), 3);
    EXPECT_EQ(HeardCount("oil.wav"), 1);
    EXPECT_EQ(HeardCount("catchlife.wav"), 1);
    // The first sting may count the time since the timer helper was last asked, up to a second.
    EXPECT_LT(player.health, 1.0f - 0.05f * 40 * 0.017f + 0.001f);
    EXPECT_GT(player.health, 1.0f - 0.05f * (40 * 0.017f + 1.0f) - 0.001f);
}

TEST_F(ToyCatcherRoundTest, ItemOnTheHeadHurtsAndShakesItShortly)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(200.0f);
    Step();
    const float headMiddle = static_cast<float>(snowmobile.HeadBox().GetPosition().x) + 15.0f;
    GlTCGift* item = AddFallingItem(GlTCGift::kBeehive, GlTCGift::kLookBeehive, 0.0f, 300.0f);
    item->SetPlace(ItemXFor(*item, headMiddle), 300.0f, GlTCGift::kFalling);
    ASSERT_GT(FramesUntilGone(item), 0);
    EXPECT_FLOAT_EQ(CurrentPlayer().health, 0.9f);
    EXPECT_EQ(CurrentPlayer().score, 0);
    EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadShortShake);
    EXPECT_TRUE(snowmobile.Bees());
    EXPECT_EQ(HeardCount("hithead.wav"), 1);
    // Ticks 6 to 11 at 12 a second: back to normal after about half a second.
    Frames(20);
    EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadShortShake);
    Frames(20);
    EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadNormal);
    // Bees sting for five seconds, 0.05 health a second.
    Frames(300);
    EXPECT_FALSE(snowmobile.Bees());
    EXPECT_NEAR(CurrentPlayer().health, 0.9f - 0.25f, 0.002f);
}

TEST_F(ToyCatcherRoundTest, TrunkWinsOverHeadInTheSameFrame)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(300.0f);
    Step();
    // Lay the head box over the trunk box: an item in both is caught, not a hit.
    AzNullRect trunk = snowmobile.TrunkBox();
    AzPoint at = trunk.GetPosition();
    snowmobile.HeadBox().SetParent(nullptr);
    snowmobile.HeadBox().SetPosition(at.x, at.y);
    GlTCGift* item = AddFallingItem(GlTCGift::kGift, GlTCGift::kLookGift2, 0.0f, 0.0f);
    const AzNullRect probe = item->BoxAt(0.0f, 0.0f);
    item->SetPlace(static_cast<float>(at.x + 10 - probe.GetX()), static_cast<float>(at.y + 2 - probe.GetY()),
                   GlTCGift::kFalling);
    Step();
    EXPECT_FALSE(Contains(item));
    EXPECT_EQ(CurrentPlayer().giftCount, 1);
    EXPECT_FLOAT_EQ(CurrentPlayer().health, 1.0f);
    EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadNormal);
}

TEST_F(ToyCatcherRoundTest, WonWhenTheCatchAnimationEndsNotAtTheCatch)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(300.0f);
    CurrentPlayer().giftQuota = 1;
    Step();
    const float trunkMiddle = static_cast<float>(snowmobile.TrunkBox().GetPosition().x) + 24.0f;
    GlTCGift* item = AddFallingItem(GlTCGift::kGift, GlTCGift::kLookGift5, 0.0f, 300.0f);
    item->SetPlace(ItemXFor(*item, trunkMiddle), 300.0f, GlTCGift::kFalling);
    ASSERT_GT(FramesUntilGone(item), 0);
    EXPECT_EQ(CurrentPlayer().giftCount, 1);
    EXPECT_EQ(CurrentPlayer().score, 20);
    EXPECT_FALSE(gHoldScreen);
    EXPECT_EQ(Successor(), "");
    // Six ticks at 12 a second: half a second after the catch.
    int frames = 0;
    while (!gHoldScreen && frames < 100) {
        Step();
        ++frames;
    }
    EXPECT_NEAR(frames * 17, 500, 34);
    EXPECT_EQ(CurrentPlayer().score, 520);
    EXPECT_EQ(gHoldSeconds, 5);
    EXPECT_EQ(HeardCount("glim_great.wav"), 1);
    EXPECT_EQ(Successor(), NameIfBuilt("GlCutPass1"));
    if (NameIfBuilt("GlCutPass1").empty()) {
        EXPECT_TRUE(round.WinRecorded());
    }
}

TEST_F(ToyCatcherRoundTest, LostOnlyBelowZeroHealth)
{
    GlToyCatcher& round = StartQuietRound();
    CurrentPlayer().health = 0.0f;
    Frames(3);
    EXPECT_FALSE(round.LossRecorded());
    EXPECT_EQ(Successor(), "");
    CurrentPlayer().health = -0.01f;
    Step();
    EXPECT_TRUE(round.LossRecorded());
    EXPECT_EQ(Successor(), NameIfBuilt("GlCutFail1"));
}

TEST_F(ToyCatcherRoundTest, GlidesToAStopAndSpeedCarriesOverToTheNextRound)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(100.0f);
    mKeys.SetDown(Vl::kVK_Right, true);
    Frames(30);
    // The speed grows by 800 a second squared until it is no longer below 200.
    EXPECT_GE(GlSnowmobile::SharedValues().speed, 200.0f);
    EXPECT_LT(GlSnowmobile::SharedValues().speed, 200.0f + 800.0f * 0.017f);
    mKeys.SetDown(Vl::kVK_Right, false);
    GlSnowmobile::SharedValues().speed = 200.0f;
    int frames = 0;
    while (GlSnowmobile::SharedValues().speed > 0.0f && frames < 100) {
        Step();
        ++frames;
        EXPECT_GE(GlSnowmobile::SharedValues().speed, 0.0f);
    }
    // From 200 at 800 a second squared: a quarter of a second, give or take a frame's rounding.
    EXPECT_LE(frames * 17, 250 + 17);
    EXPECT_EQ(GlSnowmobile::SharedValues().speed, 0.0f);

    mKeys.SetDown(Vl::kVK_Left, true);
    Frames(20);
    mKeys.SetDown(Vl::kVK_Left, false);
    const float speed = GlSnowmobile::SharedValues().speed;
    EXPECT_LT(speed, -150.0f);
    GlToyCatcher& next = StartRound();
    EXPECT_EQ(GlSnowmobile::SharedValues().speed, speed);
    const float start = next.Snowmobile()->X();
    Step();
    Step();
    EXPECT_LT(next.Snowmobile()->X(), start);
}

TEST_F(ToyCatcherRoundTest, DrivingOffTheRightEdgeWrapsAndShakesOffTheBees)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(612.0f);
    snowmobile.StartBees();
    GlSnowmobile::SharedValues().speed = 200.0f;
    mKeys.SetDown(Vl::kVK_Right, true);
    Step();
    Step();
    EXPECT_LT(snowmobile.X(), -30.0f);
    EXPECT_GT(snowmobile.X(), -40.0f);
    EXPECT_FALSE(snowmobile.Bees());
}

} // namespace
