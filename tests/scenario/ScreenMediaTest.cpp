// Every screen built so far finds all the media it names in the generated install tree.
#include "HeadlessGame.h"
#include "PlayerRecord.h"
#include "ScenarioFolder.h"

#include <gtest/gtest.h>

namespace {

struct ScreenRun {
    const char* screen;
    int frames;
};

class ScreenMediaTest : public ::testing::TestWithParam<ScreenRun> {};

TEST_P(ScreenMediaTest, NoMissingMedia)
{
    ResetCurrentPlayer();
    CurrentPlayer().level = 2;
    ScenarioFolder folder;
    {
        HeadlessGame game(folder.Path());
        ASSERT_TRUE(game.Start(GetParam().screen));
        for (int frame = 0; frame < GetParam().frames; ++frame) {
            if (!game.Step())
                break;
        }
    }
    std::string gameLog = folder.GameLog();
    std::string platformLog = folder.PlatformLog();
    for (const char* missing : {"returning NULL object", "Returning NULL object", "FileCreate failed",
                                "doesn't exist", "memPalette NULL"})
        EXPECT_EQ(gameLog.find(missing), std::string::npos) << missing << " in\n" << gameLog;
    for (const char* missing : {"VlFileCreate failed", "error in Creating"})
        EXPECT_EQ(platformLog.find(missing), std::string::npos) << missing << " in\n" << platformLog;
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenMediaTest,
                         ::testing::Values(ScreenRun{"GlSplash1", 300}, ScreenRun{"GlSplash2", 300},
                                           ScreenRun{"GlCut1", 900}, ScreenRun{"GlMenuMain", 200},
                                           ScreenRun{"GlHighScore", 120}, ScreenRun{"GlMission1", 120},
                                           ScreenRun{"GlMission2", 120}, ScreenRun{"GlMission3", 120},
                                           ScreenRun{"GlTotals", 120}, ScreenRun{"GlCutSetup1", 2200},
                                           ScreenRun{"GlCutSetup2", 2000}, ScreenRun{"GlCutCelebration", 3950},
                                           ScreenRun{"GlCutPass1", 480}, ScreenRun{"GlCutPass2", 420},
                                           ScreenRun{"GlCutFail1", 240}, ScreenRun{"GlCutFail2", 240},
                                           ScreenRun{"GlCutGameOver", 900}),
                         [](const ::testing::TestParamInfo<ScreenRun>& info) { return std::string(info.param.screen); });

} // namespace
