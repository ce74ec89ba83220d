// The intro in the real loop, on the built media: from the studio logo to the main menu.
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "ScreenSteps.h"

#include <gtest/gtest.h>

namespace {

TEST(IntroScenarioTest, LogoThenIntroThenMainMenu)
{
    ResetCurrentPlayer();
    ScenarioFolder folder;
    HeadlessGame game(folder.Path(), 17);
    ASSERT_TRUE(game.Start("GlSplash2"));
    StepWhile(game, "GlSplash2", 1000);
    ASSERT_EQ(game.CurrentScreenName(), "GlCut1");

    int introFrames = StepWhile(game, "GlCut1", 2000);
    EXPECT_EQ(game.CurrentScreenName(), "GlMenuMain");
    EXPECT_NEAR(introFrames, 169 * 1000 / 12 / 17, 3);
    game.Finish();

    std::string log = folder.GameLog();
    EXPECT_NE(log.find("GLCUT1 END THIS!!!! frame 51\n"), std::string::npos);
    EXPECT_NE(log.find("GLCUT1 END THIS!!!! frame 169\n"), std::string::npos);
}

} // namespace
