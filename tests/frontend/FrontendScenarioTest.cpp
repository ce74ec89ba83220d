// The menu and high-score screens on the built media, through the real loop.
#include "GlHighScore.h"
#include "GlMenuMain.h"
#include "GlScreenState.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

namespace {

constexpr int Letter(char upper)
{
    return Vl::kVK_A + (upper - 'A');
}

class FrontendScenarioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCurrentPlayer();
        GlMenuMain::ResetQuitConfirmation();
    }
    void TearDown() override { GlMenuMain::ResetQuitConfirmation(); }

    bool Tap(int key)
    {
        mGame.SetKey(key, true);
        bool running = mGame.Step();
        mGame.SetKey(key, false);
        return running && mGame.Step();
    }
    std::string Log()
    {
        mGame.Finish();
        return mFolder.GameLog();
    }

    ScenarioFolder mFolder;
    HeadlessGame mGame{mFolder.Path()};
};

TEST_F(FrontendScenarioTest, MenuAndHighScoreMediaAllLoad)
{
    ASSERT_TRUE(mGame.Start("GlMenuMain"));
    for (int i = 0; i < 30; ++i)
        mGame.Step();
    mGame.SaveShot(mFolder.File("menu.png"));
    Tap(Vl::kVK_Down);
    Tap(Vl::kVK_Down);
    Tap(Vl::kVK_Return);
    ASSERT_EQ(mGame.CurrentScreenName(), "GlHighScore");
    auto* highScores = dynamic_cast<GlHighScore*>(gCurrentScreen);
    ASSERT_NE(highScores, nullptr);
    EXPECT_EQ(highScores->GetTable().Entries().size(), 5u);
    const std::string log = Log();
    EXPECT_EQ(log.find("returning NULL object"), std::string::npos) << log;
    EXPECT_EQ(log.find("Returning NULL object"), std::string::npos) << log;
    EXPECT_EQ(log.find("VlFileCreate failed"), std::string::npos) << log;
    EXPECT_NE(log.find("AzBobAlphabet::AzBobAlphabet - loaded "), std::string::npos);
}

TEST_F(FrontendScenarioTest, QuitAndYesEndTheGameWithoutTheCardProgram)
{
    ASSERT_TRUE(mGame.Start("GlMenuMain"));
    for (int key : {Vl::kVK_Up, Vl::kVK_Return, Vl::kVK_Left})
        ASSERT_TRUE(Tap(key));
    mGame.SetKey(Vl::kVK_Return, true);
    int frames = 0;
    while (mGame.Step() && frames < 2000)
        ++frames;
    EXPECT_LT(frames, 2000);
    EXPECT_TRUE(gQuitGame);
    mGame.Finish();
    EXPECT_TRUE(mGame.LaunchedCommands().empty());
}

TEST_F(FrontendScenarioTest, CardwrightEndsTheGameAndStartsTheCardProgram)
{
    ASSERT_TRUE(mGame.Start("GlMenuMain"));
    mGame.SetKey(Vl::kVK_Down, true);
    mGame.Step();
    mGame.SetKey(Vl::kVK_Down, false);
    mGame.SetKey(Vl::kVK_Return, true);
    EXPECT_TRUE(mGame.Step());
    EXPECT_FALSE(mGame.Step());
    mGame.Finish();
    EXPECT_EQ(mGame.LaunchedCommands(), std::vector<std::string>{"spawn cardwright"});
}

TEST_F(FrontendScenarioTest, AGameOverScoreIsTypedIntoTheList)
{
    PlayerRecord& player = CurrentPlayer();
    player.gameFinished = true;
    player.score = 999999;
    player.level = 4;
    player.deliveredCount = 3;
    ASSERT_TRUE(mGame.Start("GlHighScore"));
    auto* screen = dynamic_cast<GlHighScore*>(gCurrentScreen);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetMode(), GlHighScore::Mode::NameEntry);
    mGame.SetKey(Vl::kVK_Shift, true);
    Tap(Letter('B'));
    mGame.SetKey(Vl::kVK_Shift, false);
    Tap(Letter('O'));
    Tap(Vl::kVK_Return);
    EXPECT_EQ(screen->GetMode(), GlHighScore::Mode::List);
    const std::string file = mFolder.Read("highscore.txt");
    EXPECT_EQ(file.rfind("Bo\n4 999999 3\n", 0), 0u) << file;
    EXPECT_EQ(screen->GetTable().Entries().size(), 5u);
    Tap(Vl::kVK_Return);
    EXPECT_EQ(mGame.CurrentScreenName(), "GlMenuMain");
}

TEST_F(FrontendScenarioTest, AGameOverWithoutAHighScoreGoesStraightToTheMenu)
{
    CurrentPlayer().gameFinished = true;
    CurrentPlayer().score = 0;
    ASSERT_TRUE(mGame.Start("GlHighScore"));
    mGame.Step();
    EXPECT_EQ(mGame.CurrentScreenName(), "GlMenuMain");
}

TEST_F(FrontendScenarioTest, AnyFinishedGameEntersAListWithFreeRows)
{
    mFolder.Write("highscore.txt", "Ann\n3 5000 2\nBen\n2 4000 1\n");
    CurrentPlayer().gameFinished = true;
    CurrentPlayer().score = 10;
    ASSERT_TRUE(mGame.Start("GlHighScore"));
    auto* screen = dynamic_cast<GlHighScore*>(gCurrentScreen);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetMode(), GlHighScore::Mode::NameEntry);
    Tap(Letter('C'));
    Tap(Vl::kVK_Return);
    EXPECT_EQ(mFolder.Read("highscore.txt"), "Ann\n3 5000 2\nBen\n2 4000 1\nc\n1 10 0\n");
}

TEST_F(FrontendScenarioTest, ANameFromTheFileIsCutWhereTypingWouldHaveStopped)
{
    const std::string wide(40, 'W');
    mFolder.Write("highscore.txt", wide + "\n1 5 0\nAnn\n3 5000 2\n");
    CurrentPlayer().gameFinished = true;
    CurrentPlayer().score = 999999;
    ASSERT_TRUE(mGame.Start("GlHighScore"));
    auto* screen = dynamic_cast<GlHighScore*>(gCurrentScreen);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetShownNames(), (std::vector<std::string>{"Ann", screen->GetShownNames()[1]}));
    const std::string shown = screen->GetShownNames()[1];
    EXPECT_LT(shown.size(), wide.size());
    EXPECT_EQ(wide.rfind(shown, 0), 0u);

    mGame.SetKey(Vl::kVK_Shift, true);
    for (size_t i = 0; i < wide.size(); ++i)
        Tap(Letter('W'));
    mGame.SetKey(Vl::kVK_Shift, false);
    EXPECT_EQ(screen->GetTypedName(), shown);
    Tap(Vl::kVK_Return);
    EXPECT_EQ(screen->GetShownNames(), (std::vector<std::string>{shown, "Ann", shown}));
    // Only the picture is cut: the file keeps the name as it was.
    EXPECT_NE(mFolder.Read("highscore.txt").find(wide + "\n1 5 0\n"), std::string::npos);
}

} // namespace
