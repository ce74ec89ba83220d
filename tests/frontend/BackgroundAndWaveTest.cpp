// Tiled backgrounds from their description, and the sine-wave parent.
#include "FrontendTestEnvironment.h"

#include "AzBobBackground.h"
#include "AzDrawCommand.h"
#include "AzSineWave.h"
#include "BmpWriter.h"

#include <cstdlib>

namespace {

class BackgroundTest : public FrontendTest {
protected:
    void WriteTile(const std::string& name, uint8_t colour)
    {
        WriteMedia("act1_bg/" + name, mediagen::EncodeBmp8({4, 4, std::vector<uint8_t>(16, colour)}, {}));
    }
};

TEST_F(BackgroundTest, TilesShareTheirBobAndNeedOne)
{
    WriteTile("a.bmp", 30);
    WriteTile("b.bmp", 31);
    WriteMediaText("config/bg.txt", "pos 0 0 10000\n"
                                    "image a.bmp\n"
                                    "pos 0 0 9000  pos 10 0 9001 # words that mean nothing are skipped\n"
                                    "pos 20 0 9002\n"
                                    "image missing.bmp\n"
                                    "pos 30 0 9003\n"
                                    "image b.bmp\n"
                                    "pos 40 0 5000\n");
    AzBobBackground background("config\\bg.txt", "act1_bg");

    EXPECT_EQ(background.GetBobCount(), 2u);
    EXPECT_EQ(background.GetTileCount(), 4u);
    const std::string log = Log();
    EXPECT_NE(log.find("AzBobBackground::AzBobBackground - skipped creating tile because current Bob is NULL.\n"),
              std::string::npos);
    EXPECT_NE(log.find("AzBobBackground::AzBobBackground - could't load an image.\n"), std::string::npos);
    EXPECT_NE(log.find("AzBobBackground::AzBobBackground - # of tiles: 4.  # of bobs: 2.\n"), std::string::npos);

    background.Draw();
    ASSERT_EQ(gDrawQueue.size(), 4u);
    EXPECT_EQ(gDrawQueue.top()->GetDepth(), 9002.0f);
    gDrawQueue.DrainAndExecute();
    EXPECT_EQ(ScreenPixel(0, 0), 30);
    EXPECT_EQ(ScreenPixel(20, 0), 30);
    EXPECT_EQ(ScreenPixel(30, 0), 255); // its image did not load
    EXPECT_EQ(ScreenPixel(40, 0), 31);
}

TEST_F(BackgroundTest, ACutOffDescriptionKeepsWhatWasRead)
{
    WriteTile("a.bmp", 30);
    WriteMediaText("bg.txt", "image a.bmp pos 1 2 3 pos 4 five 6 pos 7 8 9");
    AzBobBackground background("bg.txt", "act1_bg");
    EXPECT_EQ(background.GetTileCount(), 1u);

    AzBobBackground missing("nowhere.txt", "act1_bg");
    EXPECT_EQ(missing.GetTileCount(), 0u);
    missing.Draw();
    EXPECT_TRUE(gDrawQueue.empty());
    EXPECT_NE(Log().find("AzBobBackground::GetNew - VlFileCreate failed.  Returning NULL object. nowhere.txt\n"),
              std::string::npos);
}

float gWaveStep = 0.0f;
float WaveStep(int32_t rate)
{
    EXPECT_EQ(rate, 200);
    return gWaveStep;
}

TEST(SineWaveTest, OffsetFollowsThirtyPixelStepsAndTheRunningPhase)
{
    gWaveStep = 0.0f;
    AzSineWave wave(&WaveStep);
    EXPECT_EQ(wave.Translate(0, 100), (AzPoint{0, 100}));
    EXPECT_EQ(wave.Translate(60, 100), (AzPoint{60, 109})); // sin 2 = 0.909
    EXPECT_EQ(wave.Translate(89, 100), (AzPoint{89, 109}));
    EXPECT_EQ(wave.Translate(-60, 100), (AzPoint{-60, 91}));
    for (int32_t x = -3000; x <= 3000; x += 7)
        EXPECT_LE(std::abs(wave.Translate(x, 0).y), 10);

    // The phase moves once per point translated and restarts past 100.
    gWaveStep = 40.0f;
    AzSineWave running(&WaveStep);
    running.Translate(0, 0);
    running.Translate(0, 0);
    EXPECT_FLOAT_EQ(running.GetPhase(), 80.0f);
    running.Translate(0, 0);
    EXPECT_FLOAT_EQ(running.GetPhase(), 0.0f);
    AzSineWave still(nullptr);
    EXPECT_EQ(still.Translate(60, 0), (AzPoint{60, 9}));
}

} // namespace
