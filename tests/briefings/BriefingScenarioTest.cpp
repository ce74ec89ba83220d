// Totals in the real loop, on the built media, started from a set progress record.
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"

#include <gtest/gtest.h>

namespace {

// Steps until the screen changes; the steps it took.
int StepWhile(HeadlessGame& game, const std::string& screen, int limit)
{
    int steps = 0;
    while (game.CurrentScreenName() == screen && steps < limit && game.Step())
        ++steps;
    return steps;
}

// 17 ms a frame from the load: the first frame more than 5000 ms after it is the 296th.
constexpr int kFiveSecondSteps = 296;

TEST(BriefingScenarioTest, GameOverThenANewLevel)
{
    ScenarioFolder folder;
    ResetCurrentPlayer();
    ASSERT_TRUE(HeadlessGame::SetPlayerField("outcome", "0"));
    ASSERT_TRUE(HeadlessGame::SetPlayerField("score", "4200"));
    HeadlessGame gameOver(folder.Path(), 17);
    ASSERT_TRUE(gameOver.Start("GlTotals"));
    EXPECT_EQ(StepWhile(gameOver, "GlTotals", 1000), kFiveSecondSteps);
    EXPECT_EQ(gameOver.CurrentScreenName(), "GlHighScore");
    EXPECT_TRUE(CurrentPlayer().gameFinished);
    gameOver.Finish();

    ResetCurrentPlayer();
    ASSERT_TRUE(HeadlessGame::SetPlayerField("outcome", "4"));
    ASSERT_TRUE(HeadlessGame::SetPlayerField("level", "3"));
    HeadlessGame celebrated(folder.Path(), 17);
    ASSERT_TRUE(celebrated.Start("GlTotals"));
    EXPECT_EQ(StepWhile(celebrated, "GlTotals", 1000), kFiveSecondSteps);
    EXPECT_EQ(celebrated.CurrentScreenName(), "GlMission1");
    // The act-1 briefing has loaded and set the quota of level 3.
    EXPECT_EQ(CurrentPlayer().giftQuota, 20);
    EXPECT_FALSE(CurrentPlayer().gameFinished);
}

} // namespace
