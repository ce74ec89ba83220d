// The main loop with test screens: switch order, holds, Escape-free successors, quit and the card program.
#include "HeadlessGame.h"

#include "GlInterfaceRun.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"

#include "TempFolder.h"
#include "VirtualClock.h"
#include "VlKeys.h"
#include "lrDisplay.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gEvents;

// A screen that writes what happens to it into gEvents and runs a given
// action in each frame.
class ProbeScreen : public GlInterfaceRun {
public:
    using Action = std::function<void(ProbeScreen&, int frame)>;
    ProbeScreen(std::string name, Action action = nullptr) : mName(std::move(name)), mAction(std::move(action))
    {
        gEvents.push_back(mName + " made");
    }
    ~ProbeScreen() override { gEvents.push_back(mName + " destroyed"); }
    void Load() override { gEvents.push_back(mName + " load"); }
    bool RunFrame() override
    {
        uint32_t now = 0;
        lrGetFlipTime(&now);
        gEvents.push_back(mName + " frame " + std::to_string(mFrames));
        if (mAction)
            mAction(*this, mFrames);
        ++mFrames;
        return true;
    }

private:
    std::string mName;
    Action mAction;
    int mFrames = 0;
};

class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gEvents.clear();
        ResetCurrentPlayer();
    }
    TempFolder mFolder;
};

TEST_F(MainLoopTest, ASuccessorIsLoadedAfterTheOldScreenIsGone)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen&, int frame) {
        if (frame == 1)
            gNextScreen = new ProbeScreen("B");
    })));
    game.Step();
    game.Step();
    game.Step();
    std::vector<std::string> expected = {"A made",  "A load",      "A frame 0",   "A frame 1",
                                         "B made",  "A destroyed", "B load",      "B frame 0"};
    EXPECT_EQ(gEvents, expected);
    EXPECT_EQ(game.FramesRun(), 3);
}

TEST_F(MainLoopTest, ASelfSuccessorCausesNoSwitch)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen& self, int) { gNextScreen = &self; })));
    game.Step();
    game.Step();
    std::vector<std::string> expected = {"A made", "A load", "A frame 0", "A frame 1"};
    EXPECT_EQ(gEvents, expected);
}

TEST_F(MainLoopTest, AHoldKeepsThePictureForItsSecondsThenSwitches)
{
    HeadlessGame game(mFolder.Path(), 20);
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen&, int frame) {
        if (frame == 0) {
            gNextScreen = new ProbeScreen("B");
            gHoldScreen = true;
            gHoldSeconds = 5;
        }
    })));
    uint32_t before = game.Clock().Milliseconds();
    game.Step();
    uint32_t held = game.Clock().Milliseconds() - before - 20;
    EXPECT_GT(held, 5000u);
    EXPECT_LT(held, 5100u);
    EXPECT_FALSE(gHoldScreen);
    EXPECT_EQ(gEvents.back(), "B load");
}

TEST_F(MainLoopTest, EscapeReplacesAnyStoredSuccessorWithAFreshMainMenu)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen&, int frame) {
        if (frame == 0)
            gNextScreen = new ProbeScreen("B");
    })));
    game.SetKey(Vl::kVK_Escape, true);
    ASSERT_TRUE(game.Step());
    EXPECT_EQ(game.CurrentScreenName(), "GlMenuMain");
    std::vector<std::string> expected = {"A made", "A load", "A frame 0", "B made", "B destroyed", "A destroyed"};
    EXPECT_EQ(gEvents, expected) << "the replaced successor never became current";

    // Held, the menu is made anew every frame; released, the last one stays.
    GlInterfaceRun* held = gCurrentScreen;
    ASSERT_TRUE(game.Step());
    EXPECT_EQ(game.CurrentScreenName(), "GlMenuMain");
    EXPECT_NE(gCurrentScreen, held);
    game.SetKey(Vl::kVK_Escape, false);
    GlInterfaceRun* released = gCurrentScreen;
    ASSERT_TRUE(game.Step());
    EXPECT_EQ(gCurrentScreen, released);
}

TEST_F(MainLoopTest, QuitFlagEndsTheLoopAtTheNextFrame)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen&, int frame) {
        if (frame == 2)
            gQuitGame = true;
    })));
    EXPECT_TRUE(game.Step());
    EXPECT_TRUE(game.Step());
    EXPECT_TRUE(game.Step()) << "the frame that asks to quit is still presented";
    EXPECT_FALSE(game.Step());
    EXPECT_EQ(game.FramesRun(), 3);
    game.Finish();
    EXPECT_EQ(gEvents.back(), "A destroyed");
    EXPECT_TRUE(game.LaunchedCommands().empty());
}

TEST_F(MainLoopTest, F12EndsTheGameWithoutTheCardProgram)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen&, int) { gStartCardProgram = false; })));
    game.Step();
    game.SetKey(Vl::kVK_F12, true);
    EXPECT_FALSE(game.Step());
    game.Finish();
    EXPECT_TRUE(game.LaunchedCommands().empty());
}

TEST_F(MainLoopTest, TheCardProgramStartsAfterCloseDown)
{
    HeadlessGame game(mFolder.Path());
    ASSERT_TRUE(game.Start(new ProbeScreen("A", [](ProbeScreen&, int) {
        gQuitGame = true;
        gStartCardProgram = true;
    })));
    game.Step();
    game.Step();
    EXPECT_TRUE(game.LaunchedCommands().empty()) << "not before the subsystems are closed";
    game.Finish();
    ASSERT_EQ(game.LaunchedCommands().size(), 1u);
    EXPECT_EQ(game.LaunchedCommands()[0], "spawn cardwright");
}

} // namespace
