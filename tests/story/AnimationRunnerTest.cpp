// Running a read script: which sprite frame and prop each animation frame shows, and when sounds start.
#include "ScreenFixture.h"
#include "ScreenSteps.h"

#include "GlAnimationReader.h"
#include "GlAnimationRunner.h"

#include "WaveWriter.h"

#include <string>
#include <vector>

namespace {

constexpr int kFirstColour = 20;
constexpr uint8_t kHillColour = 7;
constexpr uint8_t kCleared = 255;

class AnimationRunnerTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        WriteSprite("anim/hero.spx", 6, 8, 8, kFirstColour);
        WriteSprite("anim/flag.spx", 4, 8, 8, kFirstColour);
        WriteBitmap("anim/hill.bmp", 16, 16, kHillColour);
        mediagen::PcmSound bells;
        bells.samples.assign(2205, 0);
        WriteMedia("anim/bells.wav", mediagen::EncodeWave(bells));
    }

    void TearDown() override
    {
        GlAnimationDestroyBobs(mElements, mObjects);
        ScreenFixture::TearDown();
    }

    void Load(const std::string& script)
    {
        WriteMedia("anim/config.txt", std::vector<uint8_t>(script.begin(), script.end()));
        ASSERT_TRUE(GlAnimationReadFile("anim\\config.txt", mElements));
        ASSERT_TRUE(GlAnimationCreateBobs(mElements, mObjects));
    }

    // Runs one animation frame and answers the colour at (x, y) of its picture.
    uint8_t ColourAt(int32_t frame, int x, int y)
    {
        EXPECT_TRUE(GlAnimationRun(mElements, frame, mObjects));
        gDrawQueue.DrainAndExecute();
        const uint8_t colour = Pixel(x, y);
        lrFlip();
        return colour;
    }

    int BellPlays() const
    {
        int plays = 0;
        for (const auto& play : mAudio.Plays())
            plays += play.label == "bells.wav" ? 1 : 0;
        return plays;
    }

    GlAnimationElements mElements;
    GlAnimationObjects mObjects;
};

uint8_t SpriteFrame(int frame)
{
    return static_cast<uint8_t>(kFirstColour + frame);
}

TEST_F(AnimationRunnerTest, ActionsShowTheirFramesOnlyWithinTheirSpan)
{
    Load("sprite hero anim\\hero.spx\naction once 10 14 100 20 30\ns 1 5\nendaction\nendsprite\n"
         "sprite flag anim\\flag.spx\naction loop 0 99 100 200 30\ns 1 4\nendaction\nendsprite\n"
         "prop hill anim\\hill.bmp action 3 5 500 20 30 endaction endprop\n");
    EXPECT_EQ(ColourAt(9, 21, 31), kCleared);
    for (int frame = 10; frame <= 14; ++frame)
        EXPECT_EQ(ColourAt(frame, 21, 31), SpriteFrame(frame - 10)) << frame;
    // The padded sequence goes on past the end, but the action does not.
    EXPECT_EQ(ColourAt(15, 21, 31), kCleared);

    const std::vector<uint8_t> loop = {ColourAt(0, 201, 31), ColourAt(1, 201, 31), ColourAt(3, 201, 31),
                                       ColourAt(4, 201, 31), ColourAt(5, 201, 31)};
    EXPECT_EQ(loop, (std::vector<uint8_t>{SpriteFrame(0), SpriteFrame(1), SpriteFrame(3), SpriteFrame(0),
                                          SpriteFrame(1)}));

    // The prop lies behind the sprite where both show.
    EXPECT_EQ(ColourAt(4, 25, 40), kHillColour);
    EXPECT_EQ(ColourAt(6, 25, 40), kCleared);
}

TEST_F(AnimationRunnerTest, SequencesShorterThanTheirSpriteShowNothingForTheMissingFrames)
{
    Load("sprite hero anim\\hero.spx\naction loop 0 99 100 20 30\ns 1 2\nendaction\nendsprite\n");
    EXPECT_EQ(ColourAt(1, 21, 31), SpriteFrame(1));
    EXPECT_EQ(ColourAt(3, 21, 31), kCleared);
    EXPECT_EQ(ColourAt(6, 21, 31), SpriteFrame(0));
    EXPECT_EQ(Log().find("doesn't exist"), std::string::npos);
}

TEST_F(AnimationRunnerTest, ASoundStartsOnceFromItsFrameOn)
{
    Load("sound bells anim\\bells.wav action 0 endaction endprop\n"
         "sound late anim\\bells.wav action 20 endaction endprop\n");
    ColourAt(0, 0, 0);
    EXPECT_EQ(BellPlays(), 1);
    ColourAt(0, 0, 0);
    // A frame step that jumps over the start frame still starts the sound.
    ColourAt(25, 0, 0);
    EXPECT_EQ(BellPlays(), 2);
    // Moving back does not start either again.
    ColourAt(0, 0, 0);
    ColourAt(30, 0, 0);
    EXPECT_EQ(BellPlays(), 2);
}

TEST_F(AnimationRunnerTest, MissingFilesAndMismatchedListsDoNoHarm)
{
    Load("sprite ghost anim\\ghost.spx action once 0 5 100 20 30\ns 1 5\nendaction\nendsprite\n"
         "prop gone anim\\gone.bmp action 0 5 100 20 30 endaction endprop\n"
         "sound hush anim\\hush.wav action 0 endaction endprop\n");
    ASSERT_EQ(mObjects.size(), 3u);
    EXPECT_EQ(ColourAt(2, 21, 31), kCleared);
    EXPECT_TRUE(mElements[2].actions[0].played);

    EXPECT_FALSE(GlAnimationCreateBobs(mElements, mObjects));
    EXPECT_NE(Log().find("GlAnimationCreateBobs bob vector isn't empty\n"), std::string::npos);

    GlAnimationElements fewer(mElements.begin(), mElements.begin() + 1);
    EXPECT_FALSE(GlAnimationRun(fewer, 0, mObjects));
    EXPECT_FALSE(GlAnimationDestroyBobs(fewer, mObjects));
    EXPECT_NE(Log().find("GlAnimationRun vectors aren't the same size\n"), std::string::npos);
    EXPECT_NE(Log().find("GlAnimationDestroyBobs vectors aren't the same size\n"), std::string::npos);
    EXPECT_TRUE(GlAnimationDestroyBobs(mElements, mObjects));
    EXPECT_TRUE(mObjects.empty());
}

} // namespace
