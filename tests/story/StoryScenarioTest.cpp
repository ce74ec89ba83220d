// The story scenes in the real loop on the built media: their length, skips, sounds, and what they
// do to the progress record on the way from one screen to the next.
#include "HeadlessAudioDevice.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "ScreenSteps.h"
#include "TourSetup.h"
#include "VirtualClock.h"

#include "GlCutGameOver.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kMsPerFrame = 17;
// Steps for a scene of n animation frames at 12 a second, at kMsPerFrame a step.
constexpr int StepsFor(int frames) { return frames * 1000 / 12 / kMsPerFrame; }

int PlaysOf(HeadlessGame& game, const std::string& label)
{
    const auto& plays = game.Audio().Plays();
    return static_cast<int>(std::count_if(plays.begin(), plays.end(), [&](const auto& play) { return play.label == label; }));
}

class StoryScenarioTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCurrentPlayer(); }
    void TearDown() override { ResetCurrentPlayer(); }
    ScenarioFolder mFolder;
};

struct SceneRun {
    const char* screen;
    int lastFrame;
    const char* next;
};

class ScriptedSceneTest : public StoryScenarioTest, public ::testing::WithParamInterface<SceneRun> {};

TEST_P(ScriptedSceneTest, RunsItsWholeScriptThenHandsOver)
{
    const SceneRun& run = GetParam();
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start(run.screen));
    const int steps = StepWhile(game, run.screen, 5000);
    EXPECT_EQ(game.CurrentScreenName(), run.next);
    EXPECT_NEAR(steps, StepsFor(run.lastFrame + 1), 6);
    game.Finish();

    const std::string log = mFolder.GameLog();
    EXPECT_NE(log.find("ended printing"), std::string::npos);
    EXPECT_EQ(log.find("too few frames"), std::string::npos) << "scripts cover every frame they span";
    EXPECT_EQ(log.find("may be error"), std::string::npos);
    EXPECT_EQ(log.find("token missing"), std::string::npos);
    const bool endLine = std::string(run.screen) != "GlCutCelebration";
    EXPECT_EQ(CountOf(log, "End THIS GLCutPass1 frame is : " + std::to_string(run.lastFrame + 1) + "\n"),
              endLine ? 1 : 0);
}

TEST_P(ScriptedSceneTest, EnterHeldSkipsToTheNextScreen)
{
    const SceneRun& run = GetParam();
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start(run.screen));
    game.SetKey(Vl::kVK_Return, true);
    EXPECT_EQ(StepWhile(game, run.screen, 50), 1);
    EXPECT_EQ(game.CurrentScreenName(), run.next);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptedSceneTest,
                         ::testing::Values(SceneRun{"GlCutSetup1", 368, "GlMission1"},
                                           SceneRun{"GlCutSetup2", 338, "GlMission2"},
                                           SceneRun{"GlCutCelebration", 668, "GlTotals"}),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST_F(StoryScenarioTest, TheCelebrationMarksTheLevelCelebratedAndStartsItsSounds)
{
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlCutCelebration"));
    StepWhile(game, "GlCutCelebration", 5000);
    EXPECT_EQ(CurrentPlayer().outcome, 4);
    // Each sound action starts once: 13 fireworks, the march twice, three cheers.
    EXPECT_EQ(PlaysOf(game, "firework.wav"), 13);
    EXPECT_EQ(PlaysOf(game, "music.wav"), 2);
    EXPECT_EQ(PlaysOf(game, "cheer.wav"), 3);
    EXPECT_EQ(PlaysOf(game, "glimmer_thanks.wav"), 1);
    // The totals that follow send a celebrated level on to its next act 1.
    StepWhile(game, "GlTotals", 1000);
    EXPECT_EQ(game.CurrentScreenName(), "GlMission1");
}

TEST_F(StoryScenarioTest, StartGameOnTheMenuLeadsThroughTheTaskToTheBriefing)
{
    CurrentPlayer().lives = 0;
    CurrentPlayer().score = 900;
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlMenuMain"));
    for (int i = 0; i < 3; ++i)
        game.Step();
    game.SetKey(Vl::kVK_Return, true);
    game.Step();
    game.SetKey(Vl::kVK_Return, false);
    StepWhile(game, "GlMenuMain", 200);
    ASSERT_EQ(game.CurrentScreenName(), "GlCutSetup1");
    EXPECT_EQ(CurrentPlayer().lives, 3);
    EXPECT_EQ(CurrentPlayer().score, 0);
    StepWhile(game, "GlCutSetup1", 5000);
    EXPECT_EQ(game.CurrentScreenName(), "GlMission1");
    EXPECT_EQ(PlaysOf(game, "tobin_task.wav"), 1);
    EXPECT_EQ(PlaysOf(game, "engine_start.wav"), 1);
}

TEST_F(StoryScenarioTest, ActOneWonSetsOutcomeOneEvenWhenSkipped)
{
    {
        HeadlessGame game(mFolder.Path(), kMsPerFrame);
        ASSERT_TRUE(game.Start("GlCutPass1"));
        EXPECT_NEAR(StepWhile(game, "GlCutPass1", 5000), StepsFor(79), 6);
        EXPECT_EQ(game.CurrentScreenName(), "GlTotals");
        EXPECT_EQ(CurrentPlayer().outcome, 1);
        // The splat has two cues of its own; every other sound plays once.
        EXPECT_EQ(PlaysOf(game, "wetsplat01.wav"), 2);
        EXPECT_EQ(PlaysOf(game, "tobin_hereIcome03.wav"), 1);
        EXPECT_EQ(PlaysOf(game, "engine.wav"), 1);
        // The totals then go on to the set-up of act 2.
        StepWhile(game, "GlTotals", 1000);
        EXPECT_EQ(game.CurrentScreenName(), "GlCutSetup2");
    }
    EXPECT_EQ(CountOf(mFolder.GameLog(), "End THIS GLCutPass1 frame is : 79\n"), 1);

    ResetCurrentPlayer();
    HeadlessGame skipped(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(skipped.Start("GlCutPass1"));
    skipped.SetKey(Vl::kVK_Space, true);
    EXPECT_EQ(StepWhile(skipped, "GlCutPass1", 50), 1);
    EXPECT_EQ(CurrentPlayer().outcome, 1);
}

TEST_F(StoryScenarioTest, DeliveringTheLastCityEndsTheLevelAndTheCelebrationFollows)
{
    PlayerRecord& player = CurrentPlayer();
    player.level = 2;
    player.score = 5000;
    player.giftCount = 3;
    SetUpTour(6, 5, 5);
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlCutPass2"));
    EXPECT_NEAR(StepWhile(game, "GlCutPass2", 5000), StepsFor(69), 6);
    ASSERT_EQ(game.CurrentScreenName(), "GlTotals");
    EXPECT_EQ(player.score, 7000);
    EXPECT_EQ(player.level, 3);
    EXPECT_EQ(player.giftCount, 0);
    EXPECT_EQ(player.outcome, 3);
    EXPECT_EQ(player.deliveredCount, 6);
    EXPECT_EQ(player.chosenEntry, nullptr);
    for (const auto& list : player.tourLists)
        EXPECT_TRUE(list.empty());
    EXPECT_EQ(PlaysOf(game, "gulp03.wav"), 1);
    EXPECT_EQ(PlaysOf(game, "drop.wav"), 1);

    StepWhile(game, "GlTotals", 1000);
    ASSERT_EQ(game.CurrentScreenName(), "GlCutCelebration");
    game.SetKey(Vl::kVK_Return, true);
    StepWhile(game, "GlCutCelebration", 50);
    game.SetKey(Vl::kVK_Return, false);
    EXPECT_EQ(player.outcome, 4);
    StepWhile(game, "GlTotals", 1000);
    EXPECT_EQ(game.CurrentScreenName(), "GlMission1");
    EXPECT_EQ(player.giftQuota, 20);
}

TEST_F(StoryScenarioTest, AnyOtherCityOnlyCountsAndTheGlobeFollows)
{
    PlayerRecord& player = CurrentPlayer();
    player.level = 2;
    player.score = 5000;
    SetUpTour(6, 1, 3);
    const CityEntry* chosen = player.chosenEntry;
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlCutPass2"));
    game.SetKey(Vl::kVK_Return, true);
    EXPECT_EQ(StepWhile(game, "GlCutPass2", 50), 1);
    EXPECT_TRUE(chosen->done);
    EXPECT_EQ(player.deliveredCount, 2);
    EXPECT_EQ(player.outcome, 2);
    EXPECT_EQ(player.score, 5000);
    EXPECT_EQ(player.level, 2);
    game.SetKey(Vl::kVK_Return, false);
    StepWhile(game, "GlTotals", 1000);
    EXPECT_EQ(game.CurrentScreenName(), "GlMission2");
}

TEST_F(StoryScenarioTest, ADeliveryWithoutATourIsCountedAndLeavesNoTour)
{
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlCutPass2"));
    StepWhile(game, "GlCutPass2", 5000);
    EXPECT_EQ(game.CurrentScreenName(), "GlTotals");
    EXPECT_EQ(CurrentPlayer().deliveredCount, 1);
    EXPECT_EQ(CurrentPlayer().outcome, 2);
    EXPECT_EQ(CurrentPlayer().chosenEntry, nullptr);
}

TEST_F(StoryScenarioTest, TheLastLifeLostLeadsThroughTheGameOverToTheHighScores)
{
    PlayerRecord& player = CurrentPlayer();
    player.lives = 1;
    player.health = -0.2f;
    player.outcome = 1;
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlCutFail1"));
    game.SetKey(Vl::kVK_Return, true); // no skipping in the losing scenes
    ASSERT_TRUE(game.Step());
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(player.health, 1.0f);
    EXPECT_EQ(game.CurrentScreenName(), "GlCutGameOver");
    // Nothing was drawn in that frame: the picture is all clear colour.
    const std::vector<uint8_t>& picture = game.LastFrame();
    EXPECT_TRUE(std::all_of(picture.begin(), picture.end(), [](uint8_t index) { return index == 255; }));

    EXPECT_NEAR(StepWhile(game, "GlCutGameOver", 5000), StepsFor(179), 6);
    ASSERT_EQ(game.CurrentScreenName(), "GlTotals");
    EXPECT_EQ(player.outcome, 0);
    EXPECT_EQ(PlaysOf(game, "laugh.wav"), 1);
    EXPECT_EQ(PlaysOf(game, "penguin_01.wav"), 1);
    StepWhile(game, "GlTotals", 1000);
    EXPECT_EQ(game.CurrentScreenName(), "GlHighScore");
    EXPECT_TRUE(player.gameFinished);
    game.Finish();
    EXPECT_EQ(CountOf(mFolder.GameLog(), "End THIS GLCutPass1 frame is : 179\n"), 1);
}

TEST_F(StoryScenarioTest, LosingWithLivesLeftPlaysTheRoundAgain)
{
    PlayerRecord& player = CurrentPlayer();
    player.lives = 3;
    player.health = -0.5f;
    player.giftCount = 4;
    {
        HeadlessGame game(mFolder.Path(), kMsPerFrame);
        ASSERT_TRUE(game.Start("GlCutFail1"));
        game.SetKey(Vl::kVK_Return, true);
        const int steps = StepWhile(game, "GlCutFail1", 5000);
        // Never more than one animation frame a step, so at least 39 steps.
        EXPECT_GE(steps, 39);
        EXPECT_EQ(game.CurrentScreenName(), "GlMission1");
        EXPECT_EQ(player.lives, 2);
        EXPECT_EQ(player.health, 1.0f);
        EXPECT_EQ(player.giftCount, 0);
        EXPECT_EQ(PlaysOf(game, "music_die.wav"), 1);
    }
    player.health = 0.0f;
    player.giftCount = 4;
    HeadlessGame game(mFolder.Path(), kMsPerFrame);
    ASSERT_TRUE(game.Start("GlCutFail2"));
    game.SetKey(Vl::kVK_Return, true);
    EXPECT_NEAR(StepWhile(game, "GlCutFail2", 5000), StepsFor(39), 6);
    EXPECT_EQ(game.CurrentScreenName(), "GlMission2");
    EXPECT_EQ(player.lives, 1);
    EXPECT_EQ(player.health, 1.0f);
    // The gifts still on board stay there after a lost sleigh ride.
    EXPECT_EQ(player.giftCount, 4);
}

TEST_F(StoryScenarioTest, ASoundWhoseFrameALongStepSkipsNeverPlays)
{
    for (bool longStep : {false, true}) {
        ResetCurrentPlayer();
        HeadlessGame game(mFolder.Path(), kMsPerFrame);
        ASSERT_TRUE(game.Start("GlCutGameOver"));
        std::vector<int> framesSeen;
        bool jumped = false;
        while (game.CurrentScreenName() == "GlCutGameOver" && framesSeen.size() < 5000) {
            const int frame = static_cast<int>(GlCutGameOver::FrameCounter());
            framesSeen.push_back(frame);
            if (longStep && !jumped && frame == 56) {
                // The present of this step comes late, so the next step moves the counter by two frames.
                game.Clock().Advance(150);
                jumped = true;
            }
            game.Step();
        }
        const bool saw57 = std::find(framesSeen.begin(), framesSeen.end(), 57) != framesSeen.end();
        EXPECT_EQ(saw57, !longStep);
        EXPECT_EQ(PlaysOf(game, "wind.wav"), longStep ? 0 : 1);
        EXPECT_EQ(PlaysOf(game, "laugh.wav"), 1);
    }
}

} // namespace
