// The briefings and totals: their tables, the texts they build from the record, their time, the outcome branch.
#include "ScreenFixture.h"

#include "GlMission1.h"
#include "GlMission2.h"
#include "GlMission3.h"
#include "GlTotals.h"

namespace {

using Lines = std::vector<std::string>;

// The texts as "font:x,y:text" lines, so a failure shows the whole layout.
Lines Layout(const GlBriefing& screen)
{
    Lines lines;
    for (const GlBriefing::Text& text : screen.BuildTexts())
        lines.push_back(std::string(1, "ABCE"[text.font]) + ":" + std::to_string(text.x) + "," +
                        std::to_string(text.y) + ":" + text.text);
    return lines;
}

TEST(BriefingTablesTest, GiftQuotaAndCitiesByLevel)
{
    const int32_t quotas[][2] = {{1, 10}, {2, 15}, {3, 20}, {4, 25}, {5, 30}, {9, 30}, {0, 30}, {-2, 30}};
    for (const auto& row : quotas)
        EXPECT_EQ(GlMission1::GiftQuotaForLevel(row[0]), row[1]) << "level " << row[0];

    PlayerRecord player;
    const int32_t cities[][2] = {{1, 4}, {2, 6}, {3, 9}, {4, 12}, {5, 15}, {11, 15}, {0, 15}};
    for (const auto& row : cities) {
        player.level = row[0];
        EXPECT_EQ(GlMission2::CitiesToVisit(player), row[1]) << "level " << row[0];
    }
    // A finished tour counts as none built: the next level is about to begin.
    player.level = 2;
    player.tourSize = player.deliveredCount = 4;
    EXPECT_EQ(GlMission2::CitiesToVisit(player), 6);
    player.tourSize = 9;
    EXPECT_EQ(GlMission2::CitiesToVisit(player), 5);
}

class BriefingTest : public ScreenFixture {
protected:
    void FrameAt(uint32_t loadedAt, uint32_t elapsed)
    {
        mClock.Set(loadedAt + elapsed);
        Frame(0);
    }
};

TEST_F(BriefingTest, TextsFollowTheRecordEveryFrame)
{
    PlayerRecord& player = CurrentPlayer();
    player.level = 3;
    player.giftCount = 7;
    player.lives = 0;
    player.score = 0;
    auto* mission = new GlMission1();
    Start(mission);
    EXPECT_EQ(player.giftQuota, 20);
    EXPECT_EQ(Layout(*mission), (Lines{"B:320,107:Catch 20", "A:336,360:= 7", "A:336,272:= 0"}));
    player.giftCount = 12;
    EXPECT_EQ(Layout(*mission)[1], "A:336,360:= 12");

    EXPECT_EQ(Layout(GlTotals()), (Lines{"C:320,197:Round 3", "E:320,107:0", "A:336,272:= 0", "A:336,360:= 12"}));

    player.tourSize = 9;
    player.deliveredCount = 4;
    EXPECT_EQ(Layout(GlMission2()), (Lines{"B:320,67:Cities To Visit", "E:320,200:5"}));

    // No city chosen (a game started at the briefing): only the counters.
    EXPECT_EQ(Layout(GlMission3()), (Lines{"A:336,272:= 0", "A:336,360:= 12"}));
    CityEntry& paris = player.tourLists[1].emplace_back();
    paris.name = "Paris";
    paris.description = "Tour Eiffel";
    player.chosenEntry = &paris;
    EXPECT_EQ(Layout(GlMission3()),
              (Lines{"B:320,107:Paris", "C:320,172:Tour Eiffel", "A:336,272:= 0", "A:336,360:= 12"}));
}

TEST_F(BriefingTest, TotalsBranchOnTheOutcomeAfterFiveSeconds)
{
    struct Branch {
        int32_t outcome;
        std::string successor;
    };
    const Branch branches[] = {
        {0, "GlHighScore"}, {1, NameIfBuilt("GlCutSetup2")}, {2, "GlMission2"}, {3, NameIfBuilt("GlCutCelebration")},
        {4, "GlMission1"},  {5, ""},                         {-1, ""},
    };
    for (const Branch& branch : branches) {
        SCOPED_TRACE(branch.outcome);
        ResetCurrentPlayer();
        CurrentPlayer().outcome = branch.outcome;
        uint32_t loadedAt = mClock.Milliseconds();
        Start(new GlTotals());
        FrameAt(loadedAt, 5000);
        EXPECT_EQ(Successor(), "");
        EXPECT_FALSE(CurrentPlayer().gameFinished);
        FrameAt(loadedAt, 5001);
        EXPECT_EQ(Successor(), branch.successor);
        // Only a game over tells the high-score screen to take a name.
        EXPECT_EQ(CurrentPlayer().gameFinished, branch.outcome == 0);
    }
}

TEST_F(BriefingTest, TimeRunsOnTheRealClockFromLoad)
{
    CurrentPlayer().outcome = 4;
    // The last present was long before the load: a hold kept the previous picture up.
    lrFlip();
    mClock.Advance(3000);
    uint32_t loadedAt = mClock.Milliseconds();
    mScreen = gCurrentScreen = gNextScreen = new GlTotals();
    mScreen->Load();
    FrameAt(loadedAt, 5000);
    EXPECT_EQ(Successor(), "");
    FrameAt(loadedAt, 5001);
    EXPECT_EQ(Successor(), "GlMission1");
}

} // namespace
