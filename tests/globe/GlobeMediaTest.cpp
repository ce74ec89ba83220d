// The built globe media agree with each other: every listed city's flag stands on its face of the drawn globe.
#include "GlCityListReader.h"
#include "GlCityTour.h"

#include "AzMemoryImage.h"
#include "AzMemorySprite.h"
#include "AzSpriteLoader.h"
#include "VlFile.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

constexpr int kGlobeX = 208, kGlobeY = 144;
constexpr uint8_t kTransparent = 254;

class GlobeMediaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VlResetPaths();
        VlSetMediaPath(std::string(SKYRUN_DIST_DIR) + "/_media");
        std::ifstream in(std::string(SKYRUN_DIST_DIR) + "/_media/navig/config.txt", std::ios::binary);
        ASSERT_TRUE(in) << "the city list is built";
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ostringstream log;
        mCities = GlCityListReader::Read(text, log);
        EXPECT_EQ(log.str(), "");
    }
    void TearDown() override { VlResetPaths(); }

    static std::unique_ptr<AzMemorySprite> Sprite(const std::string& name)
    {
        return std::unique_ptr<AzMemorySprite>(AzSpriteLoader::GetNew(name));
    }

    std::vector<CityEntry> mCities;
};

TEST_F(GlobeMediaTest, TwentySevenCitiesWithEnoughOnEveryFaceForTheLongestTour)
{
    ASSERT_EQ(mCities.size(), 27u);
    std::array<int, 4> perFace{};
    std::set<int> numbers;
    for (const CityEntry& city : mCities) {
        ++perFace[static_cast<size_t>(city.face)];
        numbers.insert(city.cityNumber);
        EXPECT_FALSE(city.name.empty());
        EXPECT_FALSE(city.description.empty()) << city.name;
        // Strictly between the arrows, so "Go Left" and "Go Right" end every face.
        EXPECT_GT(city.flagX, GlCityTour::GoLeft().flagX) << city.name;
        EXPECT_LT(city.flagX, GlCityTour::GoRight().flagX) << city.name;
    }
    for (int count : perFace)
        EXPECT_GE(count, 4);
    EXPECT_EQ(numbers.size(), 27u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 27);
}

TEST_F(GlobeMediaTest, FlagsStandOnTheGlobeAndPicturesZoomIn)
{
    const auto globe = Sprite("navig\\globe.spx");
    const auto flag = Sprite("navig\\flag_red.spx");
    ASSERT_TRUE(globe && flag);
    ASSERT_EQ(globe->GetFrameCount(), 28);
    const int flagHeight = flag->GetFrame(0)->GetHeight();
    for (const CityEntry& city : mCities) {
        const AzMemoryImage* frame = globe->GetFrame(GlCityTour::FaceFrame(city.face));
        // The flag's pole is at x 2 of the flag and its foot on the last row.
        const int x = city.flagX + 2 - kGlobeX;
        const int y = city.flagY + flagHeight - 1 - kGlobeY;
        ASSERT_TRUE(x >= 0 && y >= 0 && x < frame->GetWidth() && y < frame->GetHeight()) << city.name;
        EXPECT_NE(frame->GetPixels()[y * frame->GetWidth() + x], kTransparent) << city.name;
        const auto picture = Sprite("navig\\" + city.pictureFile);
        ASSERT_TRUE(picture) << city.pictureFile;
        ASSERT_EQ(picture->GetFrameCount(), 7) << city.pictureFile;
        int lastVisible = 0;
        for (int i = 0; i < 7; ++i) {
            const AzMemoryImage* zoom = picture->GetFrame(i);
            int visible = 0;
            for (int p = 0; p < zoom->GetWidth() * zoom->GetHeight(); ++p)
                visible += zoom->GetPixels()[p] != kTransparent;
            EXPECT_GT(visible, lastVisible) << city.pictureFile << " frame " << i;
            lastVisible = visible;
        }
    }
    EXPECT_TRUE(Sprite("navig\\city_30.spx"));
}

TEST_F(GlobeMediaTest, EveryGlobeFrameTurnsOnFromTheOneBeforeRoundTheWholeWorld)
{
    const auto globe = Sprite("navig\\globe.spx");
    ASSERT_TRUE(globe);
    for (int i = 0; i < 28; ++i) {
        const AzMemoryImage* a = globe->GetFrame(i);
        const AzMemoryImage* b = globe->GetFrame((i + 1) % 28);
        ASSERT_EQ(a->GetWidth(), b->GetWidth());
        int changed = 0;
        for (int p = 0; p < a->GetWidth() * a->GetHeight(); ++p)
            changed += a->GetPixels()[p] != b->GetPixels()[p];
        EXPECT_GT(changed, 500) << "frame " << i << " to the next";
    }
}

} // namespace
