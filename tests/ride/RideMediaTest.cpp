// The ride's generated media as the game will use it: frame counts and sizes the code relies on,
// frames that move, every city's pictures and its child's voice.
#include "MediaReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace mediatest;

bool SamePixels(const Frame& a, const Frame& b)
{
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

int Opaque(const Frame& frame)
{
    int count = 0;
    for (uint8_t pixel : frame.pixels)
        count += pixel != 254;
    return count;
}

// Every frame differs from the one before it, and none is empty.
void ExpectMoving(const Sprite& sprite, const std::string& name)
{
    for (size_t i = 0; i < sprite.frames.size(); ++i) {
        EXPECT_GT(Opaque(sprite.frames[i]), 0) << name << " frame " << i;
        if (i > 0) {
            EXPECT_FALSE(SamePixels(sprite.frames[i], sprite.frames[i - 1])) << name << " frame " << i;
        }
    }
}

TEST(RideMediaTest, SpritesHaveTheFramesTheActorsPick)
{
    const struct {
        const char* name;
        size_t frames;
    } sprites[] = {
        {"act2\\spx\\sleigh01.spx", 3},     {"act2\\spx\\sleigh02.spx", 8},    {"act2\\spx\\sleigh03.spx", 6},
        {"act2\\spx\\sleigh04.spx", 9},     {"act2\\spx\\penguinflyer.spx", 10}, {"act2\\spx\\snowball02.spx", 4},
        {"act2\\spx\\frostine003.spx", 6},  {"act2\\spx\\frostine004.spx", 6}, {"act2\\spx\\stormcloud.spx", 11},
        {"menus\\Interface_Gift.spx", 24},  {"menus\\Interface_coin.spx", 12},
    };
    for (const auto& expected : sprites) {
        const Sprite sprite = ReadSpx(MediaFile(expected.name));
        ASSERT_EQ(sprite.frames.size(), expected.frames) << expected.name;
        ExpectMoving(sprite, expected.name);
    }
    // The present is the size of the gift's catch box.
    const Sprite present = ReadSpx(MediaFile("act2\\spx\\present.spx"));
    EXPECT_EQ(present.frames[0].width, 20);
    // The zap frames reach out 18 left and 24 up of the body, and the zap box is frame 8.
    const Sprite cloud = ReadSpx(MediaFile("act2\\spx\\stormcloud.spx"));
    EXPECT_EQ(cloud.PlaceOf(8, 0, 0), std::make_pair(-18, -24));
    EXPECT_EQ(cloud.PlaceOf(3, 0, 0), std::make_pair(0, 0));
    EXPECT_GT(cloud.frames[8].width, cloud.frames[0].width + 18);
    // The snowball is low enough in its frame for the box 9 to 22 down.
    const Sprite snowball = ReadSpx(MediaFile("act2\\spx\\snowball02.spx"));
    EXPECT_NE(snowball.frames[0].At(12, 16), 254);
}

TEST(RideMediaTest, EveryCityHasItsPicturesItsHouseItsChildAndItsVoice)
{
    for (int city = 1; city <= 27; ++city) {
        SCOPED_TRACE(city);
        const std::string n = std::to_string(city);
        const Picture sky = ReadBmp(MediaFile("act2\\cities\\sky_" + n + ".bmp"));
        EXPECT_EQ(sky.width, 640);
        EXPECT_EQ(sky.height, 480);
        const Picture landmark = ReadBmp(MediaFile("act2\\cities\\lm_" + n + ".bmp"));
        EXPECT_GT(landmark.width, 100);
        const Sprite house = ReadSpx(MediaFile("act2\\cities\\h_" + n + ".spx"));
        ASSERT_GE(house.frames.size(), 2u);
        ExpectMoving(house, "house " + n);
        const Sprite child = ReadSpx(MediaFile("act2\\kids\\child_" + n + ".spx"));
        ExpectMoving(child, "child " + n);
        const std::vector<uint8_t> voice = ReadFileBytes(MediaFile("waves\\act2\\kid_" + n + ".wav"));
        // Half a second of 16-bit sound at the least.
        EXPECT_GT(voice.size(), 22050u);
        EXPECT_EQ(CharsAt(voice, 0), "RIFF");
    }
    ReadSpx(MediaFile("act2\\cities\\h_0.spx"));
}

TEST(RideMediaTest, BuildingsDifferFromRegionToRegion)
{
    // The first far building of each region: nine different pictures.
    std::vector<Picture> first;
    for (int region = 0; region < 9; ++region)
        first.push_back(ReadBmp(MediaFile("act2\\cities\\b_" + std::to_string(region * 20) + ".bmp")));
    for (size_t a = 0; a < first.size(); ++a)
        for (size_t b = a + 1; b < first.size(); ++b)
            EXPECT_FALSE(first[a].width == first[b].width && first[a].pixels == first[b].pixels) << a << " " << b;
}

} // namespace
