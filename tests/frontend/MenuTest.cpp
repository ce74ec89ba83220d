// The main menu driven through the real loop: selection, the quit question, credits, leaving.
#include "GlCredits.h"
#include "GlMenuMain.h"
#include "GlScreenState.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScreenSteps.h"
#include "TempFolder.h"
#include "VirtualClock.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCurrentPlayer();
        GlMenuMain::ResetQuitConfirmation();
    }
    void TearDown() override { GlMenuMain::ResetQuitConfirmation(); }

    void Start(const std::string& screen = "GlMenuMain") { ASSERT_TRUE(mGame.Start(screen)); }
    GlMenuMain& Menu()
    {
        auto* menu = dynamic_cast<GlMenuMain*>(gCurrentScreen);
        EXPECT_NE(menu, nullptr);
        return *menu;
    }
    // A frame with the key down, then a frame without it.
    void Tap(int key)
    {
        mGame.SetKey(key, true);
        mGame.Step();
        mGame.SetKey(key, false);
        mGame.Step();
    }
    const GlMenuMain::QuitConfirmation& Question() { return GlMenuMain::GetQuitConfirmation(); }

    TempFolder mFolder;
    HeadlessGame mGame{mFolder.Path()};
};

TEST_F(MenuTest, SelectionWrapsAndMovesOncePerPress)
{
    Start();
    Tap(Vl::kVK_Up);
    EXPECT_EQ(Menu().GetSelection(), GlMenuMain::kItemQuit);
    Tap(Vl::kVK_Down);
    EXPECT_EQ(Menu().GetSelection(), GlMenuMain::kItemStartGame);

    mGame.SetKey(Vl::kVK_Down, true);
    for (int i = 0; i < 5; ++i)
        mGame.Step();
    mGame.SetKey(Vl::kVK_Down, false);
    mGame.Step();
    EXPECT_EQ(Menu().GetSelection(), GlMenuMain::kItemCardwright);
    Tap(Vl::kVK_Down);
    EXPECT_EQ(Menu().GetSelection(), GlMenuMain::kItemHighScores);
}

TEST_F(MenuTest, QuitQuestionOutlivesTheMenuThatAskedIt)
{
    Start();
    Tap(Vl::kVK_Up);
    Tap(Vl::kVK_Return);
    EXPECT_TRUE(Question().confirming);
    EXPECT_EQ(Question().answer, GlMenuMain::kAnswerNo);
    Tap(Vl::kVK_Left);
    EXPECT_EQ(Question().answer, GlMenuMain::kAnswerYes);
    Tap(Vl::kVK_Right);
    EXPECT_EQ(Question().answer, GlMenuMain::kAnswerNo);
    Tap(Vl::kVK_Return);
    EXPECT_FALSE(Question().confirming);
    EXPECT_EQ(Menu().GetSelection(), GlMenuMain::kItemQuit);

    Tap(Vl::kVK_Return);
    GlMenuMain* asking = &Menu();
    Tap(Vl::kVK_Escape);
    EXPECT_NE(&Menu(), asking);
    EXPECT_TRUE(Question().confirming);
    EXPECT_FALSE(gQuitGame);
}

TEST_F(MenuTest, CreditsComeFromTheFileAndLeaveWithSpace)
{
    mFolder.Write("credits.txt", "Made by elves\nMusic: carols\nThanks\n");
    Start();
    for (int i = 0; i < 3; ++i)
        Tap(Vl::kVK_Down);
    Tap(Vl::kVK_Return);
    EXPECT_EQ(Menu().GetMenuState(), GlMenuMain::kStateCredits);
    EXPECT_EQ(Menu().GetCredits().LineCount(), 12u);
    EXPECT_GT(Menu().GetCredits().Scroll(), 0.0f);
    Tap(Vl::kVK_Space);
    EXPECT_EQ(Menu().GetMenuState(), GlMenuMain::kStateMenu);
}

TEST_F(MenuTest, MissingCreditsAreLoggedEachFrameAndOnlyEscapeLeaves)
{
    Start();
    for (int i = 0; i < 3; ++i)
        Tap(Vl::kVK_Down);
    Tap(Vl::kVK_Return);
    // The frame ends before the keys are read.
    Tap(Vl::kVK_Return);
    Tap(Vl::kVK_Space);
    EXPECT_EQ(Menu().GetMenuState(), GlMenuMain::kStateCredits);
    Tap(Vl::kVK_Escape);
    EXPECT_EQ(Menu().GetMenuState(), GlMenuMain::kStateMenu);
    mGame.Finish();
    EXPECT_EQ(CountOf(mFolder.Read("azLog.log"),
                      "GlMenuMain::RunCredits- VlFileCreate failed.  Returning NULL object. credits.txt\n"),
              6);
}

TEST_F(MenuTest, HighScoresFollowAfterAOneSecondHold)
{
    Start();
    Tap(Vl::kVK_Down);
    Tap(Vl::kVK_Down);
    mGame.SetKey(Vl::kVK_Return, true);
    mGame.Step();
    const uint32_t chosenAt = mGame.Clock().Milliseconds();
    mGame.Step();
    EXPECT_EQ(mGame.CurrentScreenName(), "GlHighScore");
    EXPECT_GT(mGame.Clock().Milliseconds() - chosenAt, 1000u);

    // The Enter that chose the list is still down: it must not leave the list,
    // nor, after a real press, start a game on the menu that follows.
    for (int i = 0; i < 3; ++i)
        mGame.Step();
    EXPECT_EQ(mGame.CurrentScreenName(), "GlHighScore");
    mGame.SetKey(Vl::kVK_Return, false);
    mGame.Step();
    mGame.SetKey(Vl::kVK_Return, true);
    for (int i = 0; i < 4; ++i)
        mGame.Step();
    EXPECT_EQ(mGame.CurrentScreenName(), "GlMenuMain");
    EXPECT_EQ(Menu().GetMenuState(), GlMenuMain::kStateMenu);
    mGame.Finish();
    EXPECT_EQ(CountOf(mFolder.Read("azLog.log"), "GlCutSetup1"), 0);
}

TEST(CreditsTest, OnlyEndedLinesCountAndTheScrollWraps)
{
    GlCredits credits;
    std::istringstream in("one\r\ntwo\nthree\nno line end");
    credits.ReadFrom(in);
    ASSERT_EQ(credits.LineCount(), 12u);
    EXPECT_EQ(credits.RowText(0), "");
    EXPECT_EQ(credits.RowY(0), 100);
    // The offset is truncated from the exact product: 0.02 of a line is not yet a pixel.
    credits.Advance(0.02f);
    EXPECT_EQ(credits.RowY(0), 100);
    credits.Restart();
    for (int second = 0; second < 9; ++second)
        credits.Advance(1.0f);
    EXPECT_EQ(credits.RowText(0), "one");
    credits.Advance(0.5f);
    EXPECT_EQ(credits.RowText(0), "one");
    EXPECT_EQ(credits.RowText(1), "two");
    EXPECT_EQ(credits.RowY(0), 75);
    EXPECT_EQ(credits.RowY(1), 125);
    EXPECT_EQ(credits.RowText(3), "");
    credits.Advance(2.0f);
    EXPECT_EQ(credits.RowText(0), "three");
    credits.Advance(0.5f); // twelve lines, twelve seconds
    EXPECT_FLOAT_EQ(credits.Scroll(), 0.0f);
}

} // namespace
