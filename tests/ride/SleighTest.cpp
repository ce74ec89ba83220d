// The sleigh's steering and drops, and how a gift ends: on the house, out of the picture, in a cloud.
#include "RideFixture.h"

#include "GlSRGift.h"
#include "GlSRStormcloud.h"
#include "GlSleigh.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class SleighTest : public RideFixture {
protected:
    void SetUp() override
    {
        RideFixture::SetUp();
        UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\n");
        WriteCity(1, FarRow(25));
    }

    int Gifts(GlSkyRun* ride)
    {
        int gifts = 0;
        for (GlGameObject* actor : ride->Actors().Actors())
            gifts += dynamic_cast<GlSRGift*>(actor) != nullptr;
        return gifts;
    }
};

TEST_F(SleighTest, SteeringKeepsInsideItsRectangleAndTipsTheLead)
{
    GlSkyRun* ride = StartRide();
    GlSleigh* sleigh = ride->Sleigh();
    Frame(100);
    EXPECT_EQ(sleigh->X(), GlSleigh::kStartX);
    EXPECT_EQ(sleigh->LeadFrame(), 1);
    Hold({Vl::kVK_Up, Vl::kVK_Left}, true);
    for (int i = 0; i < 40; ++i)
        Frame(100);
    EXPECT_EQ(sleigh->X(), 4.0f);
    EXPECT_EQ(sleigh->Y(), 67.0f);
    EXPECT_EQ(sleigh->LeadFrame(), 2);
    EXPECT_EQ(sleigh->Box().GetX(), 4);
    EXPECT_EQ(sleigh->Box().GetY(), 55);
    Hold({Vl::kVK_Up, Vl::kVK_Left}, false);
    Hold({Vl::kVK_Down, Vl::kVK_Right}, true);
    for (int i = 0; i < 60; ++i)
        Frame(100);
    EXPECT_EQ(sleigh->X(), 324.0f);
    EXPECT_EQ(sleigh->Y(), 347.0f);
    EXPECT_EQ(sleigh->LeadFrame(), 0);
}

TEST_F(SleighTest, DiagonalMovesCover07071OfTheStepOnEachAxis)
{
    GlSkyRun* ride = StartRide();
    GlSleigh* sleigh = ride->Sleigh();
    WarmUp(100);
    Hold({Vl::kVK_Down, Vl::kVK_Right}, true);
    Frame(100);
    // 150 pixels a second for 100 ms.
    EXPECT_NEAR(sleigh->X(), 55.0f + 15.0f * 0.7071f, 1e-3);
    EXPECT_NEAR(sleigh->Y(), 147.0f + 15.0f * 0.7071f, 1e-3);
    Hold({Vl::kVK_Down}, false);
    const float x = sleigh->X();
    Frame(100);
    EXPECT_NEAR(sleigh->X(), x + 15.0f, 1e-3);
}

TEST_F(SleighTest, OneGiftPerPressAndOneMoreAfterEachCooldownWhileHeld)
{
    GlSkyRun* ride = StartRide(3);
    Frame(50);
    Hold({Vl::kVK_Space}, true);
    Frame(50);
    EXPECT_EQ(CurrentPlayer().giftCount, 2);
    EXPECT_EQ(Gifts(ride), 1);
    EXPECT_EQ(ride->Sleigh()->DropFrame(), 5);
    // 13 ticks at 12 a second end the cooldown after 1079 ms; the next frame drops again.
    int elapsed = 0;
    while (CurrentPlayer().giftCount == 2 && elapsed < 3000) {
        Frame(50);
        elapsed += 50;
    }
    EXPECT_GE(elapsed, 1050);
    EXPECT_LE(elapsed, 1150);
    // Released and pressed within the cooldown: nothing.
    Hold({Vl::kVK_Space}, false);
    Frame(50);
    Hold({Vl::kVK_Space}, true);
    Frame(50);
    EXPECT_EQ(CurrentPlayer().giftCount, 1);
    const int dropFrames[GlSleigh::kCooldownTicks] = {5, 6, 7, 8, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    for (int tick = 0; tick < GlSleigh::kCooldownTicks; ++tick)
        EXPECT_EQ(GlSleigh::DropFrameForTick(tick), dropFrames[tick]);
    EXPECT_EQ(GlSleigh::DropFrameForTick(13), GlSleigh::kRestingDropFrame);
}

TEST_F(SleighTest, NoGiftsNoDrop)
{
    GlSkyRun* ride = StartRide(0);
    Frame(50);
    Hold({Vl::kVK_Space}, true);
    for (int i = 0; i < 5; ++i)
        Frame(50);
    EXPECT_EQ(Gifts(ride), 0);
    EXPECT_EQ(CurrentPlayer().giftCount, 0);
    EXPECT_FALSE(GlSleigh::SharedDrop().cooldownActive);
}

TEST_F(SleighTest, TheLastGiftEndsTheRideOnlyWhenItIsLost)
{
    GlSkyRun* ride = StartRide(1);
    Frame(50);
    Hold({Vl::kVK_Space}, true);
    Frame(50);
    Hold({Vl::kVK_Space}, false);
    ASSERT_EQ(Gifts(ride), 1);
    EXPECT_TRUE(dynamic_cast<GlSRGift*>(ride->Actors().Actors().back())->IsLast());
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kNone);
    int frames = 0;
    while (Gifts(ride) > 0 && frames < 200) {
        EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kNone);
        Frame(50);
        ++frames;
    }
    EXPECT_EQ(Gifts(ride), 0);
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kGiftsLost);
    EXPECT_EQ(Successor(), NameIfBuilt("GlNavigation"));
    EXPECT_EQ(CurrentPlayer().score, 0);
}

TEST_F(SleighTest, AGiftFallsFasterUpToItsLimitAndDriftsForward)
{
    GlSkyRun* ride = StartRide();
    WarmUp(100);
    auto* gift = new GlSRGift(ride, 100.0f, 70.0f, false);
    ride->Actors().Append(gift);
    Frame(100);
    EXPECT_NEAR(gift->X(), 101.0f, 1e-4);
    EXPECT_EQ(gift->Y(), 70.0f);
    EXPECT_NEAR(gift->FallSpeed(), 18.0f, 1e-4);
    for (int i = 0; i < 15; ++i)
        Frame(100);
    EXPECT_EQ(gift->FallSpeed(), GlSRGift::kMaxFallSpeed);
}

TEST_F(SleighTest, AGiftOnTheHouseDeliversWithTheGiftsStillOnBoard)
{
    GlSkyRun* ride = StartRide(4);
    Frame(100);
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(ride->HouseRect(x, y, w, h));
    EXPECT_EQ(w, kHouseWidth);
    EXPECT_EQ(y, 480 - kHouseHeight);
    // Where the house will be next frame (105 pixels a second).
    ride->Actors().Append(new GlSRGift(ride, static_cast<float>(x - 10 + w / 2), static_cast<float>(y + 10), false));
    Frame(100);
    EXPECT_EQ(CurrentPlayer().score, 250 + 15 * 4);
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kDelivered);
    EXPECT_EQ(Successor(), NameIfBuilt("GlCutPass2"));
}

TEST_F(SleighTest, AStormCloudSwallowsGiftsAndTheLastOneEndsTheRide)
{
    GlSkyRun* ride = StartRide(0);
    Frame(100);
    ride->Actors().Append(new GlSRStormcloud(ride, 400.0f, 200.0f, 0.0f, 0.0f));
    ride->Actors().Append(new GlSRGift(ride, 420.0f, 210.0f, false));
    Frame(100);
    EXPECT_EQ(Gifts(ride), 0);
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kNone);
    ride->Actors().Append(new GlSRGift(ride, 420.0f, 210.0f, true));
    Frame(100);
    EXPECT_EQ(Gifts(ride), 0);
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kGiftsLost);
}

} // namespace
