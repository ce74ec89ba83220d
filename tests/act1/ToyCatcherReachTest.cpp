// With the built art's real sizes and offsets: the trunk catches items where they fall, and items and
// snowballs of both penguin kinds reach the head box where they are meant to hit.
#include "ToyCatcherFixture.h"

namespace {

class ToyCatcherReachTest : public ToyCatcherFixture {
protected:
    // Puts the snowmobile where the middle of the chosen box lies on screen x `middle`.
    void PlaceBoxOver(GlSnowmobile& snowmobile, bool trunk, bool facingRight, float middle)
    {
        AzNullRect layout =
            trunk ? GlSnowmobile::TrunkBoxLayout(facingRight) : GlSnowmobile::HeadBoxLayout(facingRight);
        GlSnowmobile::Offset part =
            GlSnowmobile::PartOffset(trunk ? GlSnowmobile::kTrunk : GlSnowmobile::kHead, facingRight);
        const float fromBody = static_cast<float>(2 * part.x + layout.GetX()) + layout.GetWidth() / 2.0f;
        snowmobile.SetX(middle - fromBody);
    }

    // Turns the snowmobile to the facing by a tap of the key, leaving it where it stands.
    void Face(GlSnowmobile& snowmobile, bool facingRight)
    {
        const float x = snowmobile.X();
        const int key = facingRight ? Vl::kVK_Right : Vl::kVK_Left;
        mKeys.SetDown(key, true);
        Step();
        mKeys.SetDown(key, false);
        GlSnowmobile::SharedValues().speed = 0.0f;
        snowmobile.SetX(x);
        Step();
        ASSERT_EQ(snowmobile.FacingRight(), facingRight);
    }
};

TEST_F(ToyCatcherReachTest, TrunkCatchesEveryLookFallingFromEitherBeltInEitherFacing)
{
    const GlTCGift::Kind kinds[GlTCGift::kLookCount] = {
        GlTCGift::kGift,   GlTCGift::kGift,        GlTCGift::kGift,      GlTCGift::kGift,   GlTCGift::kGift,
        GlTCGift::kOilCan, GlTCGift::kDoubleBonus, GlTCGift::kExtraLife, GlTCGift::kBeehive,
    };
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    CurrentPlayer().giftQuota = 1000;
    for (bool facingRight : {true, false}) {
        for (int32_t look = 0; look < GlTCGift::kLookCount; ++look) {
            for (int32_t fallPoint : {250, -250}) {
                snowmobile.SetX(200.0f);
                Face(snowmobile, facingRight);
                auto* item = new GlTCGift(&round, {kinds[look], static_cast<GlTCGift::Look>(look), true, fallPoint});
                const GlTCGift::BeltHeights heights = GlTCGift::HeightsFor(static_cast<GlTCGift::Look>(look));
                const float y = fallPoint > 0 ? heights.upper : heights.lower;
                item->SetPlace(250.0f, y, GlTCGift::kFalling);
                round.Actors().Append(item);
                const float middle = static_cast<float>(item->BoxAt(250.0f, y).GetX()) + 1.0f;
                PlaceBoxOver(snowmobile, true, facingRight, middle);
                const int32_t before = CurrentPlayer().score;
                ASSERT_GT(FramesUntilGone(item), 0);
                EXPECT_NE(CurrentPlayer().score, before) << "look " << look << " facing right " << facingRight;
                EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadNormal) << "look " << look;
                EXPECT_TRUE(snowmobile.Caught()) << "look " << look;
                Frames(40);
            }
        }
    }
}

TEST_F(ToyCatcherReachTest, AnItemLandsWhereNoTrunkOrHeadIs)
{
    GlToyCatcher& round = StartQuietRound();
    round.Snowmobile()->SetX(500.0f);
    GlTCGift* item = AddFallingItem(GlTCGift::kGift, GlTCGift::kLookGift1, 100.0f, 119.0f);
    for (int frame = 0; frame < 400 && item->StateNow() == GlTCGift::kFalling; ++frame)
        Step();
    EXPECT_EQ(item->StateNow(), GlTCGift::kLanded);
    EXPECT_GT(item->Y(), GlTCGift::kUpperLanding);
    EXPECT_EQ(HeardCount("hole.wav"), 1);
    // The splash lasts 17 ticks of 1/12 s.
    const int frames = FramesUntilGone(item);
    EXPECT_NEAR(frames * 17, 17 * 1000 / 12, 100);
    EXPECT_EQ(CurrentPlayer().score, 0);
}

TEST_F(ToyCatcherReachTest, SniperSnowballsFromEveryPlaceReachTheHead)
{
    for (bool facingRight : {true, false}) {
        for (int32_t place = 0; place < 4; ++place) {
            GlToyCatcher& round = StartQuietRound();
            GlSnowmobile& snowmobile = *round.Snowmobile();
            CurrentPlayer().health = 1.0f;
            Face(snowmobile, facingRight);
            float x = 0, y = 0;
            GlTCPenguin::SniperPlace(place, x, y);
            PlaceBoxOver(snowmobile, false, facingRight, x + 10.0f);
            auto* sniper = new GlTCPenguin(&round, true, place);
            round.Actors().Append(sniper);
            round.SetPenguinPresent(true);
            ASSERT_GT(FramesUntilGone(sniper), 0);
            Frames(40);
            EXPECT_FLOAT_EQ(CurrentPlayer().health, 0.8f) << "place " << place << " facing right " << facingRight;
            EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadLongShake);
            EXPECT_FALSE(round.PenguinPresent());
        }
    }
    EXPECT_EQ(HeardCount("snowgun.wav"), 8);
    EXPECT_EQ(HeardCount("hithead.wav"), 8);
}

TEST_F(ToyCatcherReachTest, SniperThrowsAtTickSevenAndLeavesAtSeventeen)
{
    GlToyCatcher& round = StartQuietRound();
    round.Snowmobile()->SetX(400.0f);
    auto* sniper = new GlTCPenguin(&round, true, 0);
    round.Actors().Append(sniper);
    int thrownAt = -1;
    int frame = 0;
    while (Contains(sniper) && frame < 200) {
        Step();
        ++frame;
        if (thrownAt < 0 && round.Actors().Size() > 1)
            thrownAt = frame;
    }
    // Ticks come every 83 ms, the first one on the first frame.
    EXPECT_NEAR(thrownAt * 17, 7 * 83, 40);
    EXPECT_NEAR(frame * 17, 17 * 83, 40);
}

TEST_F(ToyCatcherReachTest, BlownSnowballsReachTheHeadAtEachStop)
{
    for (int32_t level : {1, 3}) {
        CurrentPlayer().level = level;
        CurrentPlayer().health = 1.0f;
        GlToyCatcher& round = StartQuietRound();
        GlSnowmobile& snowmobile = *round.Snowmobile();
        auto* blower = new GlTCPenguin(&round, false, 0);
        round.Actors().Append(blower);
        round.SetPenguinPresent(true);
        std::vector<float> stops;
        int hits = 0;
        float health = 1.0f;
        for (int frame = 0; frame < 3000 && Contains(blower); ++frame) {
            const bool wasShooting = blower->Shooting();
            Step();
            if (!Contains(blower))
                break;
            if (!wasShooting && blower->Shooting()) {
                stops.push_back(blower->X());
                // Stand with the head under where this stop's snowball comes down.
                PlaceBoxOver(snowmobile, false, snowmobile.FacingRight(), blower->X() + 66.0f + 20.0f);
            }
            if (CurrentPlayer().health < health) {
                health = CurrentPlayer().health;
                ++hits;
                EXPECT_EQ(snowmobile.HeadStateNow(), GlSnowmobile::kHeadLongShake);
            }
        }
        EXPECT_FALSE(Contains(blower));
        const std::vector<float> targets = level == 1 ? std::vector<float>{268} : std::vector<float>{108, 268, 428};
        ASSERT_EQ(stops.size(), targets.size()) << "level " << level;
        for (size_t i = 0; i < targets.size(); ++i) {
            EXPECT_GT(stops[i], targets[i]);
            // It stops at the first x past the target, then still takes that frame's step.
            EXPECT_LT(stops[i], targets[i] + 2 * 1.7f + 0.01f);
        }
        EXPECT_EQ(hits, static_cast<int>(targets.size())) << "level " << level;
        EXPECT_NEAR(CurrentPlayer().health, 1.0f - 0.2f * targets.size(), 0.0001f);
    }
}

TEST_F(ToyCatcherReachTest, ALandedSnowballNoLongerHits)
{
    GlToyCatcher& round = StartQuietRound();
    GlSnowmobile& snowmobile = *round.Snowmobile();
    snowmobile.SetX(500.0f);
    auto* ball = new GlTCSnowball(&round, 100.0f, 300.0f, 1000.0f, 0.0f, false);
    round.Actors().Append(ball);
    while (!ball->Landed())
        Step();
    PlaceBoxOver(snowmobile, false, true, 110.0f);
    ASSERT_GT(FramesUntilGone(ball), 0);
    EXPECT_FLOAT_EQ(CurrentPlayer().health, 1.0f);
    EXPECT_EQ(HeardCount("hole.wav"), 1);
}

TEST_F(ToyCatcherReachTest, BlownSnowballRisesThenFallsWithAWiderBox)
{
    GlToyCatcher& round = StartQuietRound();
    round.Snowmobile()->SetX(0.0f);
    auto* ball = new GlTCSnowball(&round, 300.0f, 260.0f, -2000.0f, 6000.0f, true);
    round.Actors().Append(ball);
    float top = ball->Y();
    int rising = 0;
    while (ball->FallSpeed() < 0.0f) {
        EXPECT_EQ(ball->Box().GetWidth(), 20);
        Step();
        top = std::min(top, ball->Y());
        ++rising;
    }
    EXPECT_NEAR(rising * 17, 333, 20);
    EXPECT_NEAR(260.0f - top, 333.0f, 25.0f);
    // Falling now: drawn as blown snow with the wider box.
    EXPECT_EQ(ball->Box().GetWidth(), 40);
    EXPECT_EQ(ball->Box().GetHeight(), 40);
}

} // namespace
