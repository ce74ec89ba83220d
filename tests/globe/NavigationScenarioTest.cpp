// The globe in the real loop on the built media: choosing, going home, spinning, the zoom, a missing list.
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "ScreenSteps.h"

#include "CityEntry.h"
#include "GlCityTour.h"
#include "GlNavigation.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class NavigationScenarioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCurrentPlayer();
        CurrentPlayer().giftCount = 10;
    }
    void TearDown() override
    {
        if (mGame)
            mGame->Finish();
        ResetCurrentPlayer();
    }

    void Start(const std::string& folder)
    {
        mGame = std::make_unique<HeadlessGame>(folder, 17);
        ASSERT_TRUE(mGame->Start("GlNavigation"));
        Step();
    }
    GlNavigation& Globe() { return *dynamic_cast<GlNavigation*>(mGame->CurrentScreen()); }
    void Step(int frames = 1)
    {
        for (int i = 0; i < frames; ++i)
            mGame->Step();
    }
    // Down for one frame, up for the next.
    void Press(int key)
    {
        mGame->SetKey(key, true);
        Step();
        mGame->SetKey(key, false);
        Step();
    }
    // Presses until the selection rests on an entry that fits, at most a few dozen times.
    template <typename Fits>
    bool WalkTo(int key, Fits fits)
    {
        for (int tries = 0; tries < 40; ++tries) {
            Step(30); // a zoom lasts 10 ticks at 20 a second
            const CityEntry* selected = Globe().GetSelectedEntry();
            if (selected && fits(*selected))
                return true;
            Press(key);
        }
        return false;
    }

    ScenarioFolder mFolder;
    std::unique_ptr<HeadlessGame> mGame;
};

TEST_F(NavigationScenarioTest, AChosenCityGoesToTheCityBriefingWithItsName)
{
    Start(mFolder.Path());
    EXPECT_EQ(Globe().GetFace(), 1);
    EXPECT_EQ(Globe().GetSelection(), 0);
    EXPECT_EQ(CurrentPlayer().tourSize, 4);
    ASSERT_TRUE(WalkTo(Vl::kVK_Right, GlCityTour::IsCity));
    const CityEntry chosen = *Globe().GetSelectedEntry();
    Press(Vl::kVK_Return);
    EXPECT_EQ(mGame->CurrentScreenName(), "GlMission3");
    EXPECT_EQ(CurrentPlayer().chosenCityNumber, chosen.cityNumber);
    ASSERT_NE(CurrentPlayer().chosenEntry, nullptr);
    EXPECT_EQ(CurrentPlayer().chosenEntry->name, chosen.name);
    EXPECT_EQ(CurrentPlayer().chosenEntry->description, chosen.description);
    EXPECT_EQ(chosen.face, 1);
    EXPECT_NE(HeadlessGame::PlayerLine().find(" chosenCityNumber=" + std::to_string(chosen.cityNumber)),
              std::string::npos);
    EXPECT_EQ(CountOf(mFolder.GameLog(), "FileCreate failed"), 0) << mFolder.GameLog();
}

TEST_F(NavigationScenarioTest, ADeliveredCityIgnoresEnterAndTheTourSurvivesAVisit)
{
    Start(mFolder.Path());
    ASSERT_TRUE(WalkTo(Vl::kVK_Right, GlCityTour::IsCity));
    const auto tour = CurrentPlayer().tourLists;
    const_cast<CityEntry*>(Globe().GetSelectedEntry())->done = true;
    Press(Vl::kVK_Return);
    Press(Vl::kVK_Space);
    Step(10);
    EXPECT_EQ(mGame->CurrentScreenName(), "GlNavigation");
    EXPECT_TRUE(Globe().IsActive());

    // A second visit keeps the same tour, the delivered city with it.
    mGame->Finish();
    CurrentPlayer().level = 5;
    Start(mFolder.Path());
    EXPECT_EQ(CurrentPlayer().tourSize, 4);
    for (int face = 0; face < 4; ++face)
        EXPECT_EQ(CurrentPlayer().tourLists[face], tour[face]);
}

TEST_F(NavigationScenarioTest, TheNorthPoleGoesHomeAfterTheVoice)
{
    Start(mFolder.Path());
    ASSERT_TRUE(WalkTo(Vl::kVK_Right, GlCityTour::IsNorthPole));
    Press(Vl::kVK_Return);
    EXPECT_FALSE(Globe().IsActive());
    // The voice is still speaking: the globe waits for it.
    EXPECT_EQ(mGame->CurrentScreenName(), "GlNavigation");
    StepWhile(*mGame, "GlNavigation", 1000);
    EXPECT_EQ(mGame->CurrentScreenName(), "GlMission1");
}

TEST_F(NavigationScenarioTest, AnEmptySleighGoesHomeWithoutAKey)
{
    CurrentPlayer().giftCount = 0;
    Start(mFolder.Path());
    EXPECT_FALSE(Globe().IsActive());
    const int steps = StepWhile(*mGame, "GlNavigation", 1000);
    EXPECT_GT(steps, 30); // "out of presents" takes a while to say
    EXPECT_EQ(mGame->CurrentScreenName(), "GlMission1");
}

TEST_F(NavigationScenarioTest, HeldLeftMovesOnceAndTheZoomLeavesThenArrives)
{
    CurrentPlayer().level = 5;
    Start(mFolder.Path());
    ASSERT_TRUE(WalkTo(Vl::kVK_Right, GlCityTour::IsGoRight));
    const int start = Globe().GetSelection();
    // From an arrow the selection steps at once and arrives.
    mGame->SetKey(Vl::kVK_Left, true);
    Step();
    EXPECT_EQ(Globe().GetSelection(), start - 1);
    EXPECT_TRUE(GlNavigation::GetSelectionMotion().moving);
    EXPECT_FALSE(GlNavigation::GetSelectionMotion().leaving);
    Step(60); // still held
    EXPECT_EQ(Globe().GetSelection(), start - 1);
    EXPECT_FALSE(GlNavigation::GetSelectionMotion().moving);
    mGame->SetKey(Vl::kVK_Left, false);
    Step();
    // From a place it first leaves (3 ticks), then the next one arrives.
    mGame->SetKey(Vl::kVK_Left, true);
    Step();
    EXPECT_TRUE(GlNavigation::GetSelectionMotion().leaving);
    EXPECT_EQ(Globe().GetSelection(), start - 1);
    Step(12); // 13 frames of 17 ms: past 150 ms
    EXPECT_EQ(Globe().GetSelection(), start - 2);
    EXPECT_FALSE(GlNavigation::GetSelectionMotion().leaving);
}

TEST_F(NavigationScenarioTest, SpinsRoundAllFacesBothWays)
{
    Start(mFolder.Path());
    ASSERT_TRUE(WalkTo(Vl::kVK_Right, GlCityTour::IsGoRight));
    const int expectedRight[] = {2, 3, 0, 1};
    for (int face : expectedRight) {
        Press(Vl::kVK_Right);
        EXPECT_TRUE(Globe().IsSpinning());
        Step(40); // 7 ticks at 12 a second
        ASSERT_FALSE(Globe().IsSpinning());
        EXPECT_EQ(Globe().GetFace(), face);
        // Turning right lands on the last entry, "Go Right" on this list.
        EXPECT_EQ(Globe().GetSelection(), static_cast<int>(CurrentPlayer().tourLists[face].size()) - 1);
    }
    ASSERT_TRUE(WalkTo(Vl::kVK_Left, GlCityTour::IsGoLeft));
    Press(Vl::kVK_Left);
    Step(40);
    EXPECT_EQ(Globe().GetFace(), 0);
    EXPECT_EQ(Globe().GetSelection(), 0);
}

TEST(NavigationTimingTest, SpinFramesZoomFramesAndTargets)
{
    // Turning right from face 1 (frame 0) runs 0..7; left from face 1 wraps down 0, 27 .. 21.
    for (int t = 0; t <= 7; ++t) {
        EXPECT_EQ(GlNavigation::SpinFrame(1, true, t), t);
        EXPECT_EQ(GlNavigation::SpinFrame(1, false, t), (28 - t) % 28);
    }
    EXPECT_EQ(GlNavigation::SpinFrame(0, true, 7), 0);  // face 0 (21) turns right onto face 1
    EXPECT_EQ(GlNavigation::SpinFrame(2, false, 7), 0); // face 2 (7) turns left onto face 1
    EXPECT_EQ(GlNavigation::SpinTarget(3, true), 0);
    EXPECT_EQ(GlNavigation::SpinTarget(0, false), 3);
    EXPECT_EQ(GlNavigation::ZoomFrame(false, false, 2), 6);
    for (int t = 0; t <= 3; ++t)
        EXPECT_EQ(GlNavigation::ZoomFrame(true, true, t), 3 - t);
    for (int t = 0; t <= 6; ++t)
        EXPECT_EQ(GlNavigation::ZoomFrame(true, false, t), t);
}

// The built media without the city list: the globe shows the pole and arrows, and any choice goes home.
TEST_F(NavigationScenarioTest, WithoutACityListEnterGoesHome)
{
    const std::string media = mFolder.File("media");
    const fs::path built = fs::path(SKYRUN_DIST_DIR) / "_media";
    fs::create_directories(media + "/navig");
    for (const auto& entry : fs::directory_iterator(built)) {
        if (entry.path().filename() != "navig")
            fs::create_directory_symlink(entry.path(), media + "/" + entry.path().filename().string());
    }
    for (const auto& entry : fs::directory_iterator(built / "navig")) {
        if (entry.path().filename() != "config.txt")
            fs::create_symlink(entry.path(), media + "/navig/" + entry.path().filename().string());
    }
    mFolder.Write("gl.config", "FullScreen 0\nMediaPath " + media + "\n");
    Start(mFolder.Path());
    EXPECT_NE(mFolder.GameLog().find("GlNavigation::LoadCityData - VlFileCreate failed.  Returning NULL object. "
                                     "navig\\config.txt\n"),
              std::string::npos);
    EXPECT_EQ(CurrentPlayer().tourSize, 0);
    for (const auto& face : CurrentPlayer().tourLists)
        EXPECT_EQ(face.size(), 3u);
    Press(Vl::kVK_Right);
    Press(Vl::kVK_Return);
    EXPECT_FALSE(Globe().IsActive());
    StepWhile(*mGame, "GlNavigation", 1000);
    EXPECT_EQ(mGame->CurrentScreenName(), "GlMission1");
}

} // namespace
