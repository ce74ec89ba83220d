// The ride in the real loop on the built media: the runner's bot delivers, an idle sleigh is worn down.
#include "BotPlayer.h"
#include "HeadlessAudioDevice.h"
#include "HeadlessCdAudioOutput.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "ScreenSteps.h"

#include "GlScreenRegistry.h"
#include "GlCityFile.h"
#include "GlSkyRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string NameIfBuilt(const std::string& className)
{
    GlInterfaceRun* screen = GlCreateScreen(className);
    delete screen;
    return screen != nullptr ? className : std::string();
}

GlSkyRun* Ride(HeadlessGame& game)
{
    return dynamic_cast<GlSkyRun*>(game.CurrentScreen());
}

// Runs while the ride lasts and has not ended; the frames it took.
int RunRide(HeadlessGame& game, BotPlayer* bot, int limit)
{
    int frames = 0;
    while (frames < limit && Ride(game) != nullptr && Ride(game)->LastRoundEnd() == GlSkyRun::RoundEnd::kNone) {
        if (bot != nullptr)
            bot->BeforeFrame(game);
        if (!game.Step())
            break;
        ++frames;
    }
    return frames;
}

void ExpectCleanLog(const ScenarioFolder& folder)
{
    const std::string log = folder.GameLog();
    EXPECT_EQ(CountOf(log, "failed"), 0) << log;
    EXPECT_EQ(CountOf(log, "doesn't exist"), 0) << log;
    EXPECT_EQ(CountOf(log, "NULL object"), 0) << log;
    EXPECT_EQ(CountOf(log, "GlSkyRun::MakeCity - act2"), 0) << log;
    const std::string platform = folder.PlatformLog();
    EXPECT_EQ(CountOf(platform, "VlFileCreate failed"), 0) << platform;
    EXPECT_EQ(CountOf(platform, "error in Creating"), 0) << platform;
}

TEST(RideScenarioTest, FromTheCityBriefingTheBotDeliversOverSeveralCities)
{
    for (int city : {1, 6, 15, 22, 27}) {
        SCOPED_TRACE(city);
        ScenarioFolder folder;
        ResetCurrentPlayer();
        GlSkyRun::ResetSharedState();
        ASSERT_TRUE(HeadlessGame::SetPlayerField("chosenCityNumber", std::to_string(city)));
        ASSERT_TRUE(HeadlessGame::SetPlayerField("giftCount", "3"));
        HeadlessGame game(folder.Path(), 17);
        ASSERT_TRUE(game.Start("GlMission3"));
        StepWhile(game, "GlMission3", 600);
        ASSERT_EQ(game.CurrentScreenName(), "GlSkyRun");
        EXPECT_EQ(CountOf(folder.GameLog(), "GlSkyRun::MakeCity - # of Buildings: 95\n"), 1);

        BotPlayer bot;
        RunRide(game, &bot, 60 * 60);
        const PlayerRecord& player = CurrentPlayer();
        ASSERT_GT(player.score, 0) << "no delivery over city " << city << ": health " << player.health
                                   << ", gifts " << player.giftCount;
        EXPECT_EQ(player.score, 250 + 15 * player.giftCount);
        EXPECT_GE(player.giftCount, 1);
        const std::string pass = NameIfBuilt("GlCutPass2");
        if (pass.empty()) {
            ASSERT_NE(Ride(game), nullptr);
            EXPECT_EQ(Ride(game)->LastRoundEnd(), GlSkyRun::RoundEnd::kDelivered);
        } else {
            game.Step();
            EXPECT_EQ(game.CurrentScreenName(), pass);
        }
        game.Finish();
        ExpectCleanLog(folder);
    }
}

TEST(RideScenarioTest, WithoutKeysTheHazardsWearTheHealthDown)
{
    ScenarioFolder folder;
    ResetCurrentPlayer();
    GlSkyRun::ResetSharedState();
    ASSERT_TRUE(HeadlessGame::SetPlayerField("chosenCityNumber", "3"));
    ASSERT_TRUE(HeadlessGame::SetPlayerField("giftCount", "2"));
    HeadlessGame game(folder.Path(), 17);
    ASSERT_TRUE(game.Start("GlSkyRun"));
    const int livesBefore = CurrentPlayer().lives;
    RunRide(game, nullptr, 180 * 60);
    EXPECT_EQ(CurrentPlayer().giftCount, 2);
    EXPECT_EQ(CurrentPlayer().score, 0);
    const std::string fail = NameIfBuilt("GlCutFail2");
    if (fail.empty()) {
        EXPECT_LE(CurrentPlayer().health, 0.0f);
        ASSERT_NE(Ride(game), nullptr);
        EXPECT_EQ(Ride(game)->LastRoundEnd(), GlSkyRun::RoundEnd::kHealthGone);
    } else {
        // The failure scene has already taken a life and given the health back in its Load.
        EXPECT_EQ(game.CurrentScreenName(), fail);
        EXPECT_EQ(CurrentPlayer().lives, livesBefore - 1);
        EXPECT_FLOAT_EQ(CurrentPlayer().health, 1.0f);
    }
    game.Finish();
    ExpectCleanLog(folder);
}

// How often a sound whose name holds part was started, and whether any of those starts looped.
std::pair<int, bool> Started(HeadlessGame& game, const std::string& part)
{
    int count = 0;
    bool looped = false;
    for (const auto& play : game.Audio().Plays()) {
        if (play.label.find(part) != std::string::npos) {
            ++count;
            looped = looped || play.loop;
        }
    }
    return {count, looped};
}

TEST(RideScenarioTest, TheRideSoundsItsSleighItsChildItsMusicAndTheHouse)
{
    ScenarioFolder folder;
    ResetCurrentPlayer();
    GlSkyRun::ResetSharedState();
    ASSERT_TRUE(HeadlessGame::SetPlayerField("chosenCityNumber", "7"));
    ASSERT_TRUE(HeadlessGame::SetPlayerField("giftCount", "2"));
    ASSERT_TRUE(HeadlessGame::SetPlayerField("health", "100"));
    HeadlessGame game(folder.Path(), 17);
    ASSERT_TRUE(game.Start("GlSkyRun"));
    game.Step();
    EXPECT_EQ(Started(game, "sleigh.wav"), std::make_pair(1, true));
    EXPECT_EQ(Started(game, "kid_7.wav"), std::make_pair(1, false));
    EXPECT_EQ(Started(game, "house.wav").first, 0);
    bool track4 = false;
    for (const auto& play : game.CdOutput().Plays())
        track4 = track4 || play.path.find("track04") != std::string::npos;
    EXPECT_TRUE(track4);
    // The house comes into view: its call sounds, and again while it stays in view.
    int x = 0, y = 0, w = 0, h = 0;
    int frames = 0;
    while (frames++ < 3000 && Ride(game)->HouseRect(x, y, w, h) && x >= 640)
        game.Step();
    for (int i = 0; i < 200; ++i)
        game.Step();
    EXPECT_GE(Started(game, "house.wav").first, 2);
    game.Finish();
}

TEST(RideScenarioTest, EveryCityFileKeepsTheRules)
{
    ScenarioFolder folder;
    for (int city = 1; city <= 27; ++city) {
        SCOPED_TRACE(city);
        std::ifstream in(std::string(SKYRUN_DIST_DIR) + "/_media/act2/config/city_" + std::to_string(city) + ".txt");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(text.empty());
        GlCityFile file;
        file.Parse(text);
        EXPECT_TRUE(file.Problems().empty());
        int far = 0, near = 0, clouds = 0, houses = 0, children = 0, skies = 0, landmarks = 0;
        bool inNear = false;
        for (const GlCityItem& item : file.Items()) {
            switch (item.kind) {
            case GlCityItem::kNear: inNear = true; break;
            case GlCityItem::kBuilding:
            case GlCityItem::kTower: (inNear ? near : far) += 1; break;
            case GlCityItem::kCloud: ++clouds; break;
            case GlCityItem::kHouse: ++houses; break;
            case GlCityItem::kChild: ++children; break;
            case GlCityItem::kSky: ++skies; break;
            case GlCityItem::kLandmark: ++landmarks; break;
            }
        }
        EXPECT_GE(far, 20);
        EXPECT_GE(near, 1);
        EXPECT_GE(clouds, 2);
        EXPECT_EQ(houses, 1);
        EXPECT_EQ(children, 1);
        EXPECT_EQ(skies, 1);
        EXPECT_EQ(landmarks, 1);
    }
}

} // namespace
