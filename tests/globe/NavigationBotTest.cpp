// The runner's globe bot: it finds a city still waiting, turning the globe when the face has none.
#include "BotPlayer.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"

#include "CityEntry.h"
#include "GlCityTour.h"

#include <gtest/gtest.h>

namespace {

TEST(NavigationBotTest, TurnsPastADeliveredFaceAndPicksAWaitingCity)
{
    ScenarioFolder folder;
    ResetCurrentPlayer();
    CurrentPlayer().giftCount = 5;
    CurrentPlayer().level = 2;
    HeadlessGame game(folder.Path(), 17);
    ASSERT_TRUE(game.Start("GlNavigation"));
    game.Step();
    // Every city of the start face is delivered already.
    for (CityEntry& entry : CurrentPlayer().tourLists[1])
        entry.done = GlCityTour::IsCity(entry);
    BotPlayer bot;
    for (int frame = 0; frame < 2000 && game.CurrentScreenName() == "GlNavigation"; ++frame) {
        bot.BeforeFrame(game);
        game.Step();
    }
    EXPECT_EQ(game.CurrentScreenName(), "GlMission3");
    const CityEntry* chosen = CurrentPlayer().chosenEntry;
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->face, 2); // the next face to the right
    EXPECT_FALSE(chosen->done);
    EXPECT_EQ(CurrentPlayer().chosenCityNumber, chosen->cityNumber);
    game.Finish();
    ResetCurrentPlayer();
}

} // namespace
