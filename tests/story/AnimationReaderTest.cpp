// The animation-script reader: the frame notation, the grammar, its padding rule and hostile scripts.
#include "ScreenFixture.h"
#include "ScreenSteps.h"

#include "GlAnimationReader.h"

#include <string>
#include <vector>

namespace {

std::vector<int32_t> Sequence(const std::string& text)
{
    std::vector<int32_t> frames;
    EXPECT_TRUE(GlAnimationReadSequence(text, frames));
    return frames;
}

using Frames = std::vector<int32_t>;

class AnimationReaderTest : public ScreenFixture {
protected:
    GlAnimationElements Read(const std::string& script)
    {
        WriteMedia("anim/config.txt", std::vector<uint8_t>(script.begin(), script.end()));
        GlAnimationElements elements;
        EXPECT_TRUE(GlAnimationReadFile("anim\\config.txt", elements));
        return elements;
    }
};

TEST_F(AnimationReaderTest, SequenceNotation)
{
    EXPECT_EQ(Sequence("r 1 6 a 4 2 3 4 5 s 3 1"), (Frames{1, 1, 1, 1, 1, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Sequence("s 2 4 junk r 7 2"), (Frames{2, 3, 4, 7, 7}));
    // Reading stops at the first word that is not a number where one is expected.
    EXPECT_EQ(Sequence("s 1 2 r x 3 s 5 6"), (Frames{1, 2}));
    EXPECT_EQ(Sequence("a 5 1 2"), (Frames{1, 2}));
    EXPECT_TRUE(Sequence("").empty());
    // Appends to what the list already holds.
    Frames frames{9};
    GlAnimationReadSequence("s 1 2", frames);
    EXPECT_EQ(frames, (Frames{9, 1, 2}));
    EXPECT_NE(Log().find("9, 1, 2, size3\n"), std::string::npos);
}

TEST_F(AnimationReaderTest, TheScenesBlinkSequencesHaveTheirLengths)
{
    EXPECT_EQ(Sequence("r 1 6 a 4 2 3 4 5 r 1 6  a 3 2 3 4 r 1 13 a 3 2 3 4 r 1 5").size(), 40u);
    EXPECT_EQ(Sequence("a 2 3 3 a 1 2 r 1 4 a 1 2 r 3 5 a 1 2 r 1 4 a 1 2 r 3 5 a 1 2 r 1 4 a 1 2 r 3 5 a 1 2 r 1 4 "
                       "a 1 2 r 3 5 a 1 2 r 1 4")
                  .size(),
              51u);
    EXPECT_EQ(Sequence("r 1 9 s 2 4 s 1 4 r 1 34").size(), 50u);
}

TEST_F(AnimationReaderTest, ElementsOfEveryKind)
{
    const GlAnimationElements elements = Read("# a title that is skipped\n"
                                              "sprite hero anim\\hero.spx\n"
                                              "action loop 10 14 300 20 30\n"
                                              "s 1 3\n"
                                              "r 4 2\n"
                                              "endaction\n"
                                              "endsprite\n"
                                              "prop hill anim\\hill.bmp action 0 99 5000 0 50 endaction endprop\n"
                                              "sound bells anim\\bells.wav action 12 endaction action 40 endaction endprop\n");
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0].kind, GlAnimationElement::kSprite);
    EXPECT_EQ(elements[0].label, "hero");
    EXPECT_EQ(elements[0].fileName, "anim\\hero.spx");
    ASSERT_EQ(elements[0].actions.size(), 1u);
    const GlAnimationAction& walk = elements[0].actions[0];
    EXPECT_TRUE(walk.loop);
    EXPECT_EQ(walk.start, 10);
    EXPECT_EQ(walk.end, 14);
    EXPECT_EQ(walk.depth, 300);
    EXPECT_EQ(walk.x, 20);
    EXPECT_EQ(walk.y, 30);
    EXPECT_EQ(walk.frames, (Frames{1, 2, 3, 4, 4}));

    EXPECT_EQ(elements[1].kind, GlAnimationElement::kProp);
    ASSERT_EQ(elements[1].actions.size(), 1u);
    EXPECT_EQ(elements[1].actions[0].end, 99);
    EXPECT_EQ(elements[1].actions[0].y, 50);

    EXPECT_EQ(elements[2].kind, GlAnimationElement::kSound);
    ASSERT_EQ(elements[2].actions.size(), 2u);
    EXPECT_EQ(elements[2].actions[1].start, 40);
    EXPECT_FALSE(elements[2].actions[1].played);

    const std::string log = Log();
    EXPECT_NE(log.find("\nPrinting Sprite stuff for file anim\\config.txt"), std::string::npos);
    EXPECT_NE(log.find("ended printing"), std::string::npos);
    EXPECT_EQ(log.find("endaction"), std::string::npos) << log;
}

TEST_F(AnimationReaderTest, ShortSequencesArePaddedWithTheirLastFrame)
{
    const GlAnimationElements elements = Read("sprite walker w.spx action once 0 9 100 0 0\ns 1 4\nendaction\nendsprite\n"
                                              "sprite looper l.spx action loop 0 9 100 0 0\ns 1 4\nendaction\nendsprite\n");
    ASSERT_EQ(elements.size(), 2u);
    Frames padded{1, 2, 3, 4};
    padded.insert(padded.end(), 16, 4);
    EXPECT_EQ(elements[0].actions[0].frames, padded);
    EXPECT_EQ(CountOf(Log(), "GlAnimationReadFile - there are too few frames in sequencew.spx walker\n"), 1);
    // A looping action repeats its sequence instead.
    EXPECT_EQ(elements[1].actions[0].frames, (Frames{1, 2, 3, 4}));
}

TEST_F(AnimationReaderTest, TheLineHoldingEndactionIsDiscarded)
{
    const GlAnimationElements elements = Read("sprite one o.spx\naction once 0 5 100 20 30 s 1 6 endaction\nendsprite\n"
                                              "sprite two t.spx\naction once 0 2 100 0 0 s 1 2\ns 3 3 endaction\nendsprite\n");
    ASSERT_EQ(elements.size(), 2u);
    // All on one line: nothing is left of the sequence, not even padding.
    EXPECT_TRUE(elements[0].actions[0].frames.empty());
    EXPECT_EQ(elements[1].actions[0].frames, (Frames{1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
}

TEST_F(AnimationReaderTest, MissingClosingWordsAreLoggedAndReadOn)
{
    // The prop action without its endaction is dropped, and the word in its place closes the element.
    GlAnimationElements elements = Read("prop sign s.bmp action 0 5 10 1 2 endaction action 6 9 10 1 2 endprop\n"
                                        "sound bang b.wav action 3 oops endprop\n"
                                        "sprite lost l.spx action once 0 0 1 1 1\ns 1 1\nendaction\n"
                                        "prop after a.bmp endprop\n");
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].actions.size(), 1u);
    EXPECT_EQ(elements[1].actions.size(), 1u);
    EXPECT_EQ(elements[1].actions[0].start, 3);
    const std::string log = Log();
    EXPECT_NE(log.find("GlAnimationReadFile - Configfile no endaction2... may be error sign.\n"), std::string::npos);
    EXPECT_NE(log.find("GlAnimationReadFile - Configfile no endaction3... may be error bang.\n"), std::string::npos);
    // "prop" is no closing word: reading stops there and the last element is never read.
    EXPECT_NE(log.find("GlAnimationReadFile - endsprite or endprop token missing in file lost l.spx\n"),
              std::string::npos);
    EXPECT_NE(log.find("ended printing"), std::string::npos);
}

TEST_F(AnimationReaderTest, AMissingScriptIsLogged)
{
    GlAnimationElements elements;
    EXPECT_FALSE(GlAnimationReadFile("anim\\nothing.txt", elements));
    EXPECT_TRUE(elements.empty());
    EXPECT_NE(Log().find("GlAnimationReadFile - Configfile in fail state after construction.\n"), std::string::npos);
}

TEST_F(AnimationReaderTest, HostileScriptsEndInLogLinesNotHangs)
{
    // An action that never closes: its lines are read up to the limit, then the action ends.
    std::string endless = "sprite runaway r.spx action loop 0 10 1 0 0\n";
    for (int i = 0; i < 2500; ++i)
        endless += "s 1 2\n";
    endless += "endaction endsprite\n";
    GlAnimationElements elements = Read(endless);
    EXPECT_NE(Log().find("GlAnimationReadFile - Configfile no endaction1... may be error runaway.\n"),
              std::string::npos);
    EXPECT_TRUE(elements.empty());

    // Numbers that do not fit, a span of four billion frames, a repeat beyond any memory.
    elements = Read("sprite huge h.spx action once -2000000000 2000000000 1 0 0\nr 3 2147483647\nendaction\nendsprite\n"
                    "sprite worse w.spx action once 0 99999999999 1 0 0\ns 1 2\nendaction endsprite\n");
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].actions[0].frames.size(), kGlAnimationMaxFrames);
    EXPECT_NE(Log().find("endsprite or endprop token missing in file worse w.spx"), std::string::npos);

    // One line far longer than a line may be, and binary junk.
    std::string junk = "sprite long x.spx action once 0 3 1 0 0\n" + std::string(5000, 's') + "\nendaction\nendsprite\n";
    for (int i = 0; i < 600; ++i)
        junk += static_cast<char>((i * 37) & 0xff);
    elements = Read(junk);
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_TRUE(elements[0].actions[0].frames.empty());
}

} // namespace
