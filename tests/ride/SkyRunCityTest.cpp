// Building the city from its file, and how the rows scroll and loop.
#include "RideFixture.h"

#include "GlSRCloud.h"

#include <gtest/gtest.h>

namespace {

class SkyRunCityTest : public RideFixture {};

TEST_F(SkyRunCityTest, RowsStandAtTheirPositionsAndTheHouseTakesItsSlotWithTheShift)
{
    WriteCity(1, FarRow(25, "near t 0 20 t 0 20\n"));
    GlSkyRun* ride = StartRide();
    // The first draw of a fresh generator is 41: the house takes far building 10 + 41 mod 10 = 11.
    ASSERT_EQ(ride->FarX().size(), 25u);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(ride->FarX()[i], i * 50 + (i >= 11 ? GlSkyRun::kHouseShift : 0)) << i;
    ASSERT_EQ(ride->HouseX().size(), 1u);
    EXPECT_EQ(ride->HouseX()[0], 11 * 50);
    EXPECT_EQ(ride->FarWidth(), 25 * 50 + 200);
    ASSERT_EQ(ride->NearX().size(), 2u);
    EXPECT_EQ(ride->NearX()[1], 50);
    EXPECT_EQ(ride->NearWidth(), 100);
    EXPECT_EQ(ride->ChildX(), 36);
    EXPECT_EQ(ride->ChildY(), 318);
    EXPECT_EQ(ride->LandmarkY(), 100);
    EXPECT_EQ(ride->CloudPairCount(), 1u);
    EXPECT_EQ(CountOf(Log(), "GlSkyRun::MakeCity - # of Buildings: 25\n"), 1);
    EXPECT_EQ(CountOf(Log(), "GlSkyRun::MakeCity - # of Buildings Near: 2\n"), 1);
    EXPECT_EQ(ride->FarScroll(), GlSkyRun::kStartScroll);
    EXPECT_EQ(ride->NextCloudAt(), GlSkyRun::kStartNextCloud);
}

TEST_F(SkyRunCityTest, EveryNearEndsARowAndSetsTheFarWidth)
{
    // The second "near" takes the near row's length so far as the far width and starts again at 0.
    WriteCity(1, FarRow(25, "near t 0 20 t 0 20 near t 0 20\n"));
    GlSkyRun* ride = StartRide();
    EXPECT_EQ(ride->FarWidth(), 100 + GlSkyRun::kHouseShift);
    ASSERT_EQ(ride->NearX().size(), 3u);
    EXPECT_EQ(ride->NearX()[2], 0);
    EXPECT_EQ(ride->NearWidth(), 50);
}

TEST_F(SkyRunCityTest, FirstOnlyAndLastOnlyKeywordsAndPicturesThatFailToLoad)
{
    // A second sky, landmark and child are ignored; the last house counts; b_7 does not exist.
    WriteCity(1, "sky 1 sky 9 landmark 1 120 landmark 5 5 child 1 10 20 child 4 1 1 house 3 house 0 "
                 "b 0 0 b 7 100 b 1 0 cloud 0 cloud 6");
    GlSkyRun* ride = StartRide();
    EXPECT_TRUE(ride->HasSky());
    EXPECT_EQ(ride->LandmarkY(), 120);
    EXPECT_EQ(ride->ChildX(), 10);
    ASSERT_EQ(ride->FarX().size(), 2u);
    // The missing picture takes its gap with it.
    EXPECT_EQ(ride->FarX()[1], kNarrow);
    EXPECT_EQ(ride->Houses().size(), 1u);
    EXPECT_EQ(ride->CloudPairCount(), 1u);
}

TEST_F(SkyRunCityTest, AShortRowPutsTheHouseAtItsEndAndTheRidePlays)
{
    WriteCity(1, FarRow(5, "near\n"));
    GlSkyRun* ride = StartRide();
    ASSERT_EQ(ride->HouseX().size(), 1u);
    EXPECT_EQ(ride->HouseX()[0], 250);
    EXPECT_EQ(ride->FarWidth(), 450);
    EXPECT_EQ(ride->FarX()[4], 200);
    EXPECT_EQ(CountOf(Log(), "the house stands at the end of the row"), 1);
    for (int i = 0; i < 100; ++i)
        Frame(100);
}

TEST_F(SkyRunCityTest, WithoutNearTheWholeRowIsItsLengthAndFarWidthIsTheHouseShift)
{
    WriteCity(1, FarRow(20));
    GlSkyRun* ride = StartRide();
    EXPECT_TRUE(ride->NearX().empty());
    EXPECT_EQ(ride->NearWidth(), 1000);
    EXPECT_EQ(ride->FarWidth(), 200);

    // A short row without "near": the house still stands at the row's end.
    WriteCity(2, FarRow(3));
    CurrentPlayer().chosenCityNumber = 2;
    GlResetRandom();
    GlSkyRun other;
    other.MakeCity(2);
    ASSERT_EQ(other.HouseX().size(), 1u);
    EXPECT_EQ(other.HouseX()[0], 150);
}

TEST_F(SkyRunCityTest, NoCityFileAndNoCloudsStillPlay)
{
    GlSkyRun* ride = StartRide();
    EXPECT_EQ(CountOf(Log(), "GlSkyRun::MakeCity - VlFileCreate failed. act2\\config\\city_1.txt.\n"), 1);
    // The city stays empty: nothing counted, no house drawn for it, no random draw spent on one.
    EXPECT_EQ(CountOf(Log(), "# of Buildings"), 0);
    EXPECT_TRUE(ride->HouseX().empty());
    for (int i = 0; i < 200; ++i)
        Frame(100);
    EXPECT_EQ(ride->CloudPairCount(), 0u);
    EXPECT_EQ(CountOf(Log(), "no cloud pairs"), 1);
}

TEST_F(SkyRunCityTest, FarRowAndLandmarkLoopTogetherTheNearRowAlone)
{
    UseSettings("LandmarkSpeed 100\nPenguinFlyerOdds 0\nFrostineOdds 0\n");
    WriteCity(1, FarRow(25, "near t 0 20 t 0 20\n"));
    GlSkyRun* ride = StartRide();
    Frame(100);
    // The first frame makes a drifting cloud at once.
    EXPECT_EQ(ride->Actors().Size(), 1u);
    EXPECT_EQ(ride->NextCloudAt(), static_cast<int32_t>(ride->FarScroll() + 100.0f));

    bool nearLooped = false;
    float lastFar = ride->FarScroll();
    for (int i = 0; i < 400; ++i) {
        const float nearBefore = ride->NearScroll();
        Frame(100);
        if (ride->NearScroll() < nearBefore) {
            EXPECT_GT(nearBefore + 12.0f, 100.0f);
            EXPECT_EQ(ride->NearScroll(), GlSkyRun::kStartScroll);
            nearLooped = true;
        }
        if (ride->FarScroll() < lastFar) {
            // The landmark passed long ago; the far row loops once its own end went by.
            EXPECT_GT(lastFar + 10.5f, static_cast<float>(ride->FarWidth()));
            EXPECT_LE(lastFar, static_cast<float>(ride->FarWidth()));
            EXPECT_EQ(ride->FarScroll(), GlSkyRun::kStartScroll);
            EXPECT_EQ(ride->LandmarkScroll(), GlSkyRun::kStartScroll);
            // The looping frame makes a drifting cloud at once.
            EXPECT_EQ(ride->NextCloudAt(), -540);
            break;
        }
        lastFar = ride->FarScroll();
    }
    EXPECT_TRUE(nearLooped);
    EXPECT_EQ(ride->FarScroll(), GlSkyRun::kStartScroll);
}

TEST_F(SkyRunCityTest, TheFarRowWaitsForTheLandmarkToPass)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    for (int i = 0; i < 400; ++i)
        Frame(100);
    // 40 s: the far row is long gone, the landmark (9 px a second) still on its way.
    EXPECT_GT(ride->FarScroll(), static_cast<float>(ride->FarWidth()));
    EXPECT_LT(ride->LandmarkScroll(), 100.0f);
}

TEST_F(SkyRunCityTest, HealthExactlyZeroFailsTheRideAndJustAboveDoesNot)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    CurrentPlayer().health = 0.01f;
    Frame(100);
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kNone);
    CurrentPlayer().health = 0.0f;
    Frame(100);
    EXPECT_EQ(ride->LastRoundEnd(), GlSkyRun::RoundEnd::kHealthGone);
    EXPECT_EQ(Successor(), NameIfBuilt("GlCutFail2"));
}

} // namespace
