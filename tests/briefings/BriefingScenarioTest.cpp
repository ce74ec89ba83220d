// Totals in the real loop, on the built media, started from a set progress record.
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "ScreenSteps.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

// 17 ms a frame from the load: the first frame more than 5000 ms after it is the 296th.
constexpr int kFiveSecondSteps = 296;

struct TotalsRun {
    int steps;
    std::string next;
};

// A fresh record with these fields, the totals until they hand over.
TotalsRun RunTotals(const ScenarioFolder& folder, std::initializer_list<std::pair<const char*, const char*>> fields)
{
    ResetCurrentPlayer();
    for (const auto& [field, value] : fields)
        EXPECT_TRUE(HeadlessGame::SetPlayerField(field, value)) << field;
    HeadlessGame game(folder.Path(), 17);
    EXPECT_TRUE(game.Start("GlTotals"));
    TotalsRun run{StepWhile(game, "GlTotals", 1000), game.CurrentScreenName()};
    game.Finish();
    return run;
}

TEST(BriefingScenarioTest, GameOverThenANewLevel)
{
    ScenarioFolder folder;
    const TotalsRun gameOver = RunTotals(folder, {{"outcome", "0"}, {"score", "4200"}});
    EXPECT_EQ(gameOver.steps, kFiveSecondSteps);
    EXPECT_EQ(gameOver.next, "GlHighScore");
    EXPECT_TRUE(CurrentPlayer().gameFinished);

    const TotalsRun celebrated = RunTotals(folder, {{"outcome", "4"}, {"level", "3"}});
    EXPECT_EQ(celebrated.steps, kFiveSecondSteps);
    EXPECT_EQ(celebrated.next, "GlMission1");
    // The act-1 briefing has loaded and set the quota of level 3.
    EXPECT_EQ(CurrentPlayer().giftQuota, 20);
    EXPECT_FALSE(CurrentPlayer().gameFinished);
}

} // namespace
