// From start-up through both splash screens, on the built media.
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"

#include <gtest/gtest.h>

namespace {

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::string::size_type at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(SplashScenarioTest, TitleThenStudioLogo)
{
    ResetCurrentPlayer();
    ScenarioFolder folder;
    HeadlessGame game(folder.Path(), 17);
    ASSERT_TRUE(game.Start());
    EXPECT_EQ(game.CurrentScreenName(), "GlSplash1");

    int titleFrames = 0;
    while (game.CurrentScreenName() == "GlSplash1" && titleFrames < 1000) {
        ASSERT_TRUE(game.Step());
        ++titleFrames;
    }
    ASSERT_EQ(game.CurrentScreenName(), "GlSplash2");
    // 51 animation frames at 12 a second take 250 presented frames of 17 ms.
    // The first two frames step nothing: the very first step call finds no
    // present yet, the second one starts the clock.
    EXPECT_EQ(titleFrames, 254);
    ASSERT_TRUE(game.SaveShot(folder.File("logo-switch.png")));

    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(game.Step());
    EXPECT_EQ(game.CurrentScreenName(), "GlSplash2");
    game.Finish();

    std::string log = folder.GameLog();
    EXPECT_EQ(log.rfind("TestApp::Run - started.\n", 0), 0u) << log.substr(0, 200);
    EXPECT_EQ(CountOf(log, "GLCUT1 END THIS!!!! frame 51\n"), 1);
    EXPECT_EQ(CountOf(log, "returning NULL object"), 0) << log;
    EXPECT_EQ(CountOf(log, "VlFileCreate failed"), 0) << log;
    EXPECT_EQ(CountOf(log, "FileCreate failed"), 0) << log;
}

TEST(SplashScenarioTest, ASlowMachineStillShowsEveryTitleFrame)
{
    ResetCurrentPlayer();
    ScenarioFolder folder;
    HeadlessGame game(folder.Path(), 400);
    ASSERT_TRUE(game.Start());
    int titleFrames = 0;
    while (game.CurrentScreenName() == "GlSplash1" && titleFrames < 1000) {
        ASSERT_TRUE(game.Step());
        ++titleFrames;
    }
    // Clamped steps advance at most one animation frame per presented frame:
    // 51 steps after the two that start the clock, and the frame that switches.
    EXPECT_EQ(titleFrames, 54);
}

} // namespace
