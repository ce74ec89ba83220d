// The intro on its own: where its timeline puts each picture, its pace, its skip keys and its end.
#include "ScreenFixture.h"
#include "ScreenSteps.h"

#include "GlCut1.h"

#include "VlKeys.h"
#include "WaveWriter.h"

#include <algorithm>

namespace {

constexpr uint8_t kLetterbox = 1;
constexpr uint8_t kBackground = 5;
constexpr uint8_t kCleared = 255;
constexpr int kFirstFrameColour = 20;

class IntroTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        WriteBitmap("cutscenes/black.bmp", 640, 50, kLetterbox);
        WriteBitmap("cutscenes/cut1/intro_bg.bmp", 640, 350, kBackground);
        for (const char* name : {"title_wipe", "iris", "glim_enter", "shine_01", "shine_02", "sleigh", "deer"})
            WriteSprite(std::string("cutscenes/cut1/") + name + ".spx", 41, 40, 8, kFirstFrameColour);
        mediagen::PcmSound music;
        music.samples.assign(22050 * 20, 0); // longer than the scene
        WriteMedia("cutscenes/cut1/intro_01.wav", mediagen::EncodeWave(music));
        Start(new GlCut1());
    }

    // Draws the given animation frame and answers the colour at (x, y).
    uint8_t ColourAt(float frame, int x, int y)
    {
        GlCut1::FrameCounter() = frame;
        Draw();
        uint8_t colour = Pixel(x, y);
        lrFlip();
        return colour;
    }
};

uint8_t SpriteFrame(int frame)
{
    return static_cast<uint8_t>(kFirstFrameColour + frame);
}

TEST_F(IntroTest, TimelinePlacesEachPictureWithItsFrame)
{
    // The lead reindeer enters partly off the left edge, in front of the background.
    EXPECT_EQ(ColourAt(21, 2, 52), SpriteFrame(0));
    EXPECT_EQ(ColourAt(21, 2, 45), kLetterbox);
    EXPECT_EQ(ColourAt(21, 600, 460), kLetterbox);
    // The title wipe counts its frames, then holds its last one to the end.
    EXPECT_EQ(ColourAt(28, 45, 60), kBackground);
    EXPECT_EQ(ColourAt(30, 45, 60), SpriteFrame(1));
    EXPECT_EQ(ColourAt(160, 45, 60), SpriteFrame(9));
    // Glimmer's table drives the iris, then his entrance from frame 55 on.
    EXPECT_EQ(ColourAt(45, 335, 246), SpriteFrame(1));
    EXPECT_EQ(ColourAt(73, 339, 250), SpriteFrame(8));
    EXPECT_EQ(ColourAt(73, 334, 246), kBackground);
    EXPECT_EQ(ColourAt(131, 339, 250), SpriteFrame(5));
    EXPECT_EQ(ColourAt(168, 339, 250), SpriteFrame(11));
    // The sparkles, each only within its own frames.
    EXPECT_EQ(ColourAt(45, 340, 80), SpriteFrame(2));
    EXPECT_EQ(ColourAt(45, 36, 67), kBackground);
    EXPECT_EQ(ColourAt(150, 453, 162), SpriteFrame(6));
    EXPECT_EQ(ColourAt(160, 453, 162), kBackground);
}

TEST_F(IntroTest, SlowFramesNeverSkipTheFirstFiveThenTheSceneEnds)
{
    std::vector<float> counters{GlCut1::FrameCounter()};
    bool running = true;
    while (running && counters.size() < 100) {
        running = Draw(); // 400 ms frames: under 3 a second
        lrFlip();
        mClock.Advance(400);
        counters.push_back(GlCut1::FrameCounter());
    }
    ASSERT_FALSE(running);
    for (size_t i = 2; i < counters.size(); ++i) {
        if (counters[i - 2] < 5.0f)
            EXPECT_LE(counters[i - 1] - counters[i - 2], 1.0f) << "from " << counters[i - 2];
        else
            EXPECT_NEAR(counters[i - 1] - counters[i - 2], 4.8f, 0.001f) << "from " << counters[i - 2];
    }
    EXPECT_EQ(Successor(), "GlMenuMain");
    EXPECT_EQ(Pixel(600, 300), kCleared); // the hand-over frame draws nothing

    std::string log = Log();
    EXPECT_EQ(CountOf(log, "frame 5 frame 9.8\n"), 1);
    EXPECT_EQ(CountOf(log, "GLCUT1 END THIS!!!! frame " + std::to_string(int(counters.back())) + "\n"), 1);
    // The music started once, at Load, and never again.
    ASSERT_EQ(mAudio.Plays().size(), 1u);
    EXPECT_EQ(mAudio.Plays()[0].label, "intro_01.wav");
    EXPECT_EQ(mAudio.Plays()[0].startMs, kStartMs);
}

TEST_F(IntroTest, SpaceOrEnterEndsTheIntroInTheFrameItIsSeen)
{
    for (int key : {Vl::kVK_Space, Vl::kVK_Return}) {
        SCOPED_TRACE(key);
        Start(new GlCut1());
        for (int i = 0; i < 30; ++i)
            ASSERT_TRUE(Frame(17));
        mKeys.SetDown(key, true);
        EXPECT_FALSE(Draw());
        EXPECT_EQ(Successor(), "GlMenuMain");
        EXPECT_EQ(Pixel(600, 300), kCleared);
        mKeys.SetDown(key, false);
        lrFlip();
    }
    EXPECT_EQ(CountOf(Log(), "GLCUT1 END THIS!!!! frame 1000\n"), 2);
}

} // namespace
