// Random keys through every screen of the game, on the real loop with the built media:
// whatever a child presses, the game neither crashes nor damages its high-score list.
#include "GlHighScoreTable.h"
#include "GlMenuMain.h"
#include "GlScreenRegistry.h"
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"
#include "VlFile.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>

#include <unistd.h>

namespace {

// Every screen gets its share of this many frames, however many screens there are.
constexpr int kTotalFrames = 24000;
constexpr int kLeastFramesPerScreen = 400;

// Its own generator with a fixed seed: the game's generator must see only the game's draws.
class KeyDice {
public:
    explicit KeyDice(uint32_t seed) : mState(seed) {}
    uint32_t Roll(uint32_t sides)
    {
        mState = mState * 1664525u + 1013904223u;
        return (mState >> 8) % sides;
    }

private:
    uint32_t mState;
};

constexpr std::array kKeys = {
    Vl::kVK_Left, Vl::kVK_Right, Vl::kVK_Up,    Vl::kVK_Down,  Vl::kVK_Space,     Vl::kVK_Return,
    Vl::kVK_Back, Vl::kVK_Shift, Vl::kVK_F11,    Vl::kVK_A,    Vl::kVK_A + 12,
    Vl::kVK_A + 25, Vl::kVK_0,   Vl::kVK_0 + 9,
};

// The same seed for the same screen on every machine.
uint32_t SeedFor(const std::string& screen)
{
    uint32_t hash = 2166136261u;
    for (char c : screen)
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    return hash;
}

int FramesPerScreen()
{
    const int screens = static_cast<int>(GlScreenClassNames().size());
    return std::max(kLeastFramesPerScreen, kTotalFrames / std::max(screens, 1));
}

class SoakTest : public ::testing::TestWithParam<std::string> {};

TEST_P(SoakTest, RandomKeysNeitherCrashTheGameNorDamageTheList)
{
    ScenarioFolder folder;
    KeyDice dice(SeedFor(GetParam()));
    std::array<bool, Vl::kVK_Count> down{};
    int frames = 0;
    int starts = 0;
    std::set<std::string> visited;
    while (frames < FramesPerScreen()) {
        // A game that quit (F12, the menu's Quit, the card program) starts again where this run began.
        ResetCurrentPlayer();
        // A new process would also have forgotten that Quit was chosen once.
        GlMenuMain::ResetQuitConfirmation();
        CurrentPlayer().gameFinished = dice.Roll(2) == 0;
        CurrentPlayer().score = static_cast<int32_t>(dice.Roll(5000));
        HeadlessGame game(folder.Path());
        ASSERT_TRUE(game.Start(GetParam()));
        ++starts;
        down.fill(false);
        for (; frames < FramesPerScreen(); ++frames) {
            // Keys go down and come up at random, held for a few frames or many.
            if (dice.Roll(3) == 0) {
                const int key = kKeys[dice.Roll(kKeys.size())];
                down[key] = !down[key];
                game.SetKey(key, down[key]);
            }
            // Escape and F12 are only tapped: a held Escape makes a new menu every frame.
            game.SetKey(Vl::kVK_Escape, dice.Roll(300) == 0);
            if (dice.Roll(4000) == 0)
                game.SetKey(Vl::kVK_F12, true);
            visited.insert(game.CurrentScreenName());
            if (!game.Step()) {
                ++frames;
                break;
            }
        }
    }
    EXPECT_GE(starts, 1);
    std::string names;
    for (const std::string& name : visited)
        names += name + " ";
    RecordProperty("visited", names);
    GlMenuMain::ResetQuitConfirmation();

    // Whatever names were typed, the list reads back whole.
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    VlResetPaths();
    GlHighScoreTable table;
    table.LoadHighScoreList();
    EXPECT_FALSE(table.HadUnreadableParts()) << folder.Read("highscore.txt");
    EXPECT_GE(table.Entries().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, SoakTest, ::testing::ValuesIn(GlScreenClassNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
