// Whole rounds in the real loop on the built media: the runner's bot wins level 1 from the briefing,
// a round started hurt is lost, and no medium the round names is missing.
#include "BotPlayer.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "ScreenSteps.h"

#include "GlScreenRegistry.h"
#include "GlSnowmobile.h"
#include "GlTCGift.h"
#include "GlTCPenguin.h"
#include "GlTCSnowball.h"
#include "GlToyCatcher.h"

#include "HeadlessAudioDevice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Built(const std::string& className)
{
    GlInterfaceRun* screen = GlCreateScreen(className);
    delete screen;
    return screen != nullptr;
}

int HeardCount(HeadlessGame& game, const std::string& name)
{
    int count = 0;
    for (const auto& play : game.Audio().Plays())
        count += play.label.find(name) != std::string::npos ? 1 : 0;
    return count;
}

// A fresh program run: the record and the values every round of a run shares.
void FreshRun()
{
    ResetCurrentPlayer();
    GlToyCatcher::SharedValues() = {};
    GlSnowmobile::SharedValues() = {};
    GlTCPenguin::SharedValues() = {};
}

void ExpectNoMissingMedia(const ScenarioFolder& folder)
{
    const std::string log = folder.GameLog();
    for (const char* missing : {"Returning NULL object", "returning NULL object", "doesn't exist", "could't load"})
        EXPECT_EQ(log.find(missing), std::string::npos) << missing;
}

TEST(ToyCatcherScenarioTest, BotWinsLevelOneFromTheBriefing)
{
    FreshRun();
    ScenarioFolder folder;
    HeadlessGame game(folder.Path());
    ASSERT_TRUE(game.Start("GlMission1"));
    StepWhile(game, "GlMission1", 1000);
    ASSERT_EQ(game.CurrentScreenName(), "GlToyCatcher");
    EXPECT_EQ(CurrentPlayer().giftQuota, 10);

    BotPlayer bot;
    bool won = false;
    int frames = 0;
    // Three minutes of play at most; the bot needs well under one.
    for (; frames < 10000 && !won; ++frames) {
        bot.BeforeFrame(game);
        ASSERT_TRUE(game.Step());
        auto* round = dynamic_cast<GlToyCatcher*>(game.CurrentScreen());
        won = round == nullptr || round->WinRecorded();
    }
    ASSERT_TRUE(won) << HeadlessGame::PlayerLine();
    EXPECT_GE(CurrentPlayer().giftCount, 10);
    EXPECT_GE(CurrentPlayer().health, 0.0f);
    EXPECT_EQ(HeardCount(game, "glim_great.wav"), 1);
    // Every caught gift is 20, the win 500; oil cans, lives, bonuses and beehives add their own.
    EXPECT_GE(CurrentPlayer().score, 500 + 20 * 5);
    if (Built("GlCutPass1")) {
        EXPECT_EQ(game.CurrentScreenName(), "GlCutPass1");
    } else {
        EXPECT_EQ(game.CurrentScreenName(), "GlToyCatcher");
    }
    game.Finish();
    ExpectNoMissingMedia(folder);
}

TEST(ToyCatcherScenarioTest, RoundStartedBelowZeroHealthIsLostInItsFirstFrame)
{
    FreshRun();
    ASSERT_TRUE(HeadlessGame::SetPlayerField("health", "-0.5"));
    ScenarioFolder folder;
    HeadlessGame game(folder.Path());
    ASSERT_TRUE(game.Start("GlToyCatcher"));
    ASSERT_TRUE(game.Step());
    if (Built("GlCutFail1")) {
        EXPECT_EQ(game.CurrentScreenName(), "GlCutFail1");
    } else {
        auto* round = dynamic_cast<GlToyCatcher*>(game.CurrentScreen());
        ASSERT_NE(round, nullptr);
        EXPECT_TRUE(round->LossRecorded());
    }
    game.Finish();
}

TEST(ToyCatcherScenarioTest, DrivingUnderEverythingLosesTheRound)
{
    // A level-5 round where the driver parks under the sniper places in turn and never catches.
    FreshRun();
    CurrentPlayer().level = 5;
    // Out of reach, so a gift caught on the way can never win the round instead.
    CurrentPlayer().giftQuota = 100000;
    const int livesBefore = CurrentPlayer().lives;
    ScenarioFolder folder;
    HeadlessGame game(folder.Path());
    ASSERT_TRUE(game.Start("GlToyCatcher"));
    bool lost = false;
    for (int frame = 0; frame < 20000 && !lost; ++frame) {
        auto* round = dynamic_cast<GlToyCatcher*>(game.CurrentScreen());
        if (round == nullptr) {
            lost = true;
            break;
        }
        lost = round->LossRecorded();
        // Keep the head under the nearest falling thing: snowballs and items alike.
        float goal = -1.0f;
        for (GlGameObject* actor : round->Actors().Actors()) {
            if (auto* item = dynamic_cast<GlTCGift*>(actor); item != nullptr && item->StateNow() == GlTCGift::kFalling)
                goal = item->Box().GetX();
            else if (auto* ball = dynamic_cast<GlTCSnowball*>(actor); ball != nullptr && !ball->Landed())
                goal = ball->X() + 10.0f;
        }
        const float head = round->Snowmobile()->X() + 43.0f;
        game.SetKey(0x27, goal >= 0.0f && goal > head + 4.0f);
        game.SetKey(0x25, goal >= 0.0f && goal < head - 4.0f);
        ASSERT_TRUE(game.Step());
    }
    EXPECT_TRUE(lost);
    if (Built("GlCutFail1")) {
        // The failure scene takes the life and gives the health back as it loads.
        EXPECT_EQ(game.CurrentScreenName(), "GlCutFail1");
        EXPECT_EQ(CurrentPlayer().lives, livesBefore - 1);
        EXPECT_FLOAT_EQ(CurrentPlayer().health, 1.0f);
    } else {
        EXPECT_LT(CurrentPlayer().health, 0.0f);
    }
    game.Finish();
}

} // namespace
