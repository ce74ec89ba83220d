// The hand-animated scenes' frame tables, and what a delivery does to the progress record.
#include "GlCutFail1.h"
#include "GlCutFail2.h"
#include "GlCutGameOver.h"
#include "GlCutPass1.h"
#include "GlCutPass2.h"
#include "PlayerRecord.h"
#include "TourSetup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Frames = std::vector<int32_t>;

TEST(CutsceneTablesTest, FrameTablesGiveTheirSpriteFramesAndNothingOutside)
{
    EXPECT_EQ(GlCutPass1::SplashFrame(41), -1);
    EXPECT_EQ(GlCutPass1::SplashFrame(42), 0);
    EXPECT_EQ(GlCutPass1::SplashFrame(53), 11);
    EXPECT_EQ(GlCutPass1::SplashFrame(58), 5);
    EXPECT_EQ(GlCutPass1::SplashFrame(62), 12);
    EXPECT_EQ(GlCutPass1::SplashFrame(66), 16);
    EXPECT_EQ(GlCutPass1::SplashFrame(67), -1);

    EXPECT_EQ(GlCutPass2::ChimneyFrame(28), -1);
    EXPECT_EQ(GlCutPass2::ChimneyFrame(33), 0);
    EXPECT_EQ(GlCutPass2::ChimneyFrame(34), 1);
    EXPECT_EQ(GlCutPass2::ChimneyFrame(47), 5);
    EXPECT_EQ(GlCutPass2::ChimneyFrame(48), 1);
    EXPECT_EQ(GlCutPass2::ChimneyFrame(69), 0);
    EXPECT_EQ(GlCutPass2::ChimneyFrame(70), -1);
    EXPECT_EQ(GlCutPass2::ThrowFrame(0), -1);
    EXPECT_EQ(GlCutPass2::ThrowFrame(5), 4);
    EXPECT_EQ(GlCutPass2::ThrowFrame(13), 5);
    EXPECT_EQ(GlCutPass2::ThrowFrame(17), 9);
    EXPECT_EQ(GlCutPass2::ThrowFrame(28), 10);

    EXPECT_EQ(GlCutGameOver::StormFrame(6), -1);
    EXPECT_EQ(GlCutGameOver::StormFrame(11), 0);
    EXPECT_EQ(GlCutGameOver::StormFrame(30), 3);
    EXPECT_EQ(GlCutGameOver::StormFrame(38), 8);
    EXPECT_EQ(GlCutGameOver::StormFrame(64), 0);
    EXPECT_EQ(GlCutGameOver::StormFrame(67), 2);
    EXPECT_EQ(GlCutGameOver::StormFrame(68), -1);
    // Each of the three strikes runs through the bolt table 1 3 2 1 4 2.
    Frames bolts;
    for (int32_t f = 26; f <= 33; ++f)
        bolts.push_back(GlCutGameOver::BoltFrame(f));
    EXPECT_EQ(bolts, (Frames{-1, 0, 2, 1, 0, 3, 1, -1}));
    EXPECT_EQ(GlCutGameOver::BoltFrame(7), 0);
    EXPECT_EQ(GlCutGameOver::BoltFrame(70), 1);
    EXPECT_EQ(GlCutGameOver::BoltFrame(13), -1);
}

TEST(CutsceneTablesTest, MoonSlidesFrom77To48)
{
    EXPECT_EQ(GlCutPass2::MoonX(0), 77);
    EXPECT_EQ(GlCutPass2::MoonX(14), 62);
    EXPECT_EQ(GlCutPass2::MoonX(28), 48);
}

TEST(CutsceneTablesTest, BlinkSequencesAreBuiltOnceAndKept)
{
    const Frames& a = GlCutFail1::BlinkA();
    ASSERT_EQ(a.size(), 40u);
    EXPECT_EQ(a[6], 2);
    EXPECT_EQ(a[39], 1);
    EXPECT_EQ(&a, &GlCutFail1::BlinkA());
    ASSERT_EQ(GlCutFail1::BlinkO().size(), 51u);
    EXPECT_EQ(GlCutFail1::BlinkO()[0], 3);
    ASSERT_EQ(GlCutFail2::BlinkN().size(), 50u);
    EXPECT_EQ(GlCutFail2::BlinkN()[9], 2);
    EXPECT_EQ(GlCutFail2::BlinkN().size(), 50u);
}

class DeliveryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCurrentPlayer(); }
    void TearDown() override { ResetCurrentPlayer(); }
};

TEST_F(DeliveryTest, TheLastCityOfALevelGivesTheBonusAndTheNextLevel)
{
    PlayerRecord& player = CurrentPlayer();
    player.level = 2;
    player.score = 5000;
    player.giftCount = 7;
    SetUpTour(6, 5, 5);
    GlCutPass2::CountDelivery();
    EXPECT_EQ(player.score, 7000);
    EXPECT_EQ(player.level, 3);
    EXPECT_EQ(player.giftCount, 0);
    EXPECT_EQ(player.outcome, 3);
    EXPECT_EQ(player.deliveredCount, 6);
    for (const auto& list : player.tourLists)
        EXPECT_TRUE(list.empty());
    EXPECT_EQ(player.chosenEntry, nullptr);
}

TEST_F(DeliveryTest, AnyOtherCityOnlyCountsTheDelivery)
{
    PlayerRecord& player = CurrentPlayer();
    player.level = 2;
    player.score = 5000;
    player.giftCount = 7;
    SetUpTour(6, 2, 4);
    CityEntry* chosen = player.chosenEntry;
    GlCutPass2::CountDelivery();
    EXPECT_TRUE(chosen->done);
    EXPECT_EQ(player.tourLists[0][0].done, true);
    EXPECT_EQ(player.tourLists[3][0].done, false);
    EXPECT_EQ(player.deliveredCount, 3);
    EXPECT_EQ(player.outcome, 2);
    EXPECT_EQ(player.score, 5000);
    EXPECT_EQ(player.level, 2);
    EXPECT_EQ(player.giftCount, 7);
    EXPECT_EQ(player.tourLists[0].size(), 2u);
}

TEST_F(DeliveryTest, WithNoTourTheDeliveryIsStillCounted)
{
    PlayerRecord& player = CurrentPlayer();
    GlCutPass2::CountDelivery();
    EXPECT_EQ(player.deliveredCount, 1);
    EXPECT_EQ(player.outcome, 2);
    EXPECT_EQ(player.level, 1);
}

} // namespace
