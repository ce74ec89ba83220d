// The ride's health bar, which slides and is shared by every ride, and the runner bot's aim.
#include "RideFixture.h"

#include "SkyRunBot.h"

#include <gtest/gtest.h>

namespace {

class HealthBarTest : public RideFixture {
protected:
    void SetUp() override
    {
        RideFixture::SetUp();
        UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\n");
        WriteCity(1, FarRow(25));
    }
};

TEST_F(HealthBarTest, SlidesTwentyPixelsASecondAndCarriesOverToTheNextRide)
{
    StartRide();
    WarmUp(100);
    // Full at the first ride: the meter's whole width.
    EXPECT_EQ(GlSkyRun::HealthBarWidth(), 160.0f);
    CurrentPlayer().health = 0.5f;
    for (int i = 0; i < 10; ++i)
        Frame(100);
    EXPECT_NEAR(GlSkyRun::HealthBarWidth(), 140.0f, 1e-3);
    for (int i = 0; i < 50; ++i)
        Frame(100);
    EXPECT_EQ(GlSkyRun::HealthBarWidth(), 80.0f);

    // A new ride at full health starts from where the bar was and slides up.
    CurrentPlayer().health = 1.0f;
    StartRide();
    Frame(100);
    EXPECT_GE(GlSkyRun::HealthBarWidth(), 80.0f);
    EXPECT_LE(GlSkyRun::HealthBarWidth(), 82.0f);
    for (int i = 0; i < 10; ++i)
        Frame(100);
    EXPECT_NEAR(GlSkyRun::HealthBarWidth(), 102.0f, 2.01f);
}

TEST_F(HealthBarTest, NeverNarrowerThanOnePixelWhateverTheHealth)
{
    StartRide();
    WarmUp(100);
    CurrentPlayer().health = -3.0f;
    for (int i = 0; i < 100; ++i)
        Frame(100);
    EXPECT_EQ(GlSkyRun::HealthBarWidth(), 1.0f);
    CurrentPlayer().health = 7.0f;
    for (int i = 0; i < 100; ++i)
        Frame(100);
    EXPECT_EQ(GlSkyRun::HealthBarWidth(), 160.0f);
}

TEST(SkyRunBotTest, DropsOnlyWhenTheGiftMeetsTheHouseOnAClearPath)
{
    const float step = 0.017f;
    // A house whose middle passes under the sleigh in time for a short fall.
    EXPECT_TRUE(SkyRunBot::DropWouldLand(150, 300, 180, 330, 120, 150, 105, 180, step));
    // Too far off, or already gone by.
    EXPECT_FALSE(SkyRunBot::DropWouldLand(150, 300, 600, 330, 120, 150, 105, 180, step));
    EXPECT_FALSE(SkyRunBot::DropWouldLand(150, 300, 20, 330, 120, 150, 105, 180, step));
    // A storm cloud right under the sleigh would swallow it.
    const std::vector<SkyRunBot::CloudBody> cloud{{140, 310, 80, 50, -30}};
    EXPECT_FALSE(SkyRunBot::DropWouldLand(150, 300, 180, 330, 120, 150, 105, 180, step, cloud));
    const std::vector<SkyRunBot::CloudBody> farCloud{{500, 80, 80, 50, -30}};
    EXPECT_TRUE(SkyRunBot::DropWouldLand(150, 300, 180, 330, 120, 150, 105, 180, step, farCloud));
}

} // namespace
