// The penguin flyer, its snowballs, Frostine's visits, storm clouds and the drifting clouds.
#include "RideFixture.h"

#include "GlSRBullet.h"
#include "GlSRCloud.h"
#include "GlSRFrostine.h"
#include "GlSRPenguin.h"
#include "GlSRStormcloud.h"
#include "GlSleigh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class HazardTest : public RideFixture {
protected:
    template <typename Actor>
    std::vector<Actor*> All(GlSkyRun* ride)
    {
        std::vector<Actor*> found;
        for (GlGameObject* actor : ride->Actors().Actors())
            if (auto* typed = dynamic_cast<Actor*>(actor))
                found.push_back(typed);
        return found;
    }
};

TEST_F(HazardTest, PenguinDivesFollowsShootsAndFollowsAgain)
{
    UseSettings("PenguinFlyerOdds 100\nFlyerLeaveOdds 0\nFlyerShootOdds 100\nFrostineOdds 0\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    GlSRPenguin* penguin = ride->Penguin();
    std::vector<int> states{penguin->GetState()};
    bool bulletChecked = false;
    for (int i = 0; i < 200 && states.size() < 6; ++i) {
        const float x = penguin->X();
        Frame(100);
        if (penguin->GetState() != states.back()) {
            states.push_back(penguin->GetState());
            if (penguin->GetState() == GlSRPenguin::kDiving) {
                EXPECT_EQ(penguin->X(), 640.0f);
                EXPECT_EQ(penguin->Y(), -100.0f);
            }
            if (penguin->GetState() == GlSRPenguin::kFollowing && states.size() == 3) {
                EXPECT_GT(penguin->Y() + 33.0f, ride->Sleigh()->Y());
            }
            if (penguin->GetState() == GlSRPenguin::kAfterShot) {
                // Kicked back 15 pixels; the snowball leaves from (x - 17, y + 23) and flew 30 pixels.
                auto bullets = All<GlSRBullet>(ride);
                ASSERT_EQ(bullets.size(), 1u);
                EXPECT_NEAR(penguin->X(), x - 5.0f + 15.0f, 1e-3);
                EXPECT_NEAR(bullets[0]->X(), penguin->X() - 17.0f - 30.0f, 1e-3);
                EXPECT_NEAR(bullets[0]->Y(), penguin->Y() + 23.0f, 1e-3);
                bulletChecked = true;
            }
        }
    }
    EXPECT_EQ(states, (std::vector<int>{0, 1, 2, 3, 4, 2}));
    EXPECT_TRUE(bulletChecked);
}

TEST_F(HazardTest, PenguinLeavesOnceLeftOfTheSleighAndComesBackLater)
{
    UseSettings("PenguinFlyerOdds 100\nFlyerLeaveOdds 0\nFlyerShootOdds 0\nFrostineOdds 0\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    GlSRPenguin* penguin = ride->Penguin();
    Hold({Vl::kVK_Right}, true);
    int i = 0;
    while (penguin->GetState() != GlSRPenguin::kLeaving && i++ < 300)
        Frame(100);
    ASSERT_EQ(penguin->GetState(), GlSRPenguin::kLeaving);
    EXPECT_LT(penguin->X(), ride->Sleigh()->X());
    EXPECT_GT(penguin->X(), ride->Sleigh()->X() - 6.0f);
    while (penguin->GetState() == GlSRPenguin::kLeaving && i++ < 600)
        Frame(100);
    EXPECT_EQ(penguin->GetState(), GlSRPenguin::kAway);
    EXPECT_LT(penguin->Y(), -100.0f);
}

TEST_F(HazardTest, SnowballHitsOnceThenSplashesWhileDrifting)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    Frame(100);
    auto* bullet = new GlSRBullet(ride, 230.0f, 130.0f, -300.0f, 0.0f);
    ride->Actors().Append(bullet);
    EXPECT_EQ(bullet->Box().GetWidth(), 32);
    EXPECT_EQ(bullet->Box().GetHeight(), 14);
    Frame(100);
    EXPECT_FALSE(bullet->IsHit());
    Frame(100);
    EXPECT_FALSE(bullet->IsHit());
    Frame(100);
    ASSERT_TRUE(bullet->IsHit());
    EXPECT_FLOAT_EQ(CurrentPlayer().health, 0.9f);
    const float x = bullet->X();
    Frame(100);
    EXPECT_NEAR(bullet->X(), x - 30.0f, 1e-3);
    Frame(100);
    EXPECT_FLOAT_EQ(CurrentPlayer().health, 0.9f);
    EXPECT_EQ(All<GlSRBullet>(ride).size(), 1u);
    Frame(100);
    EXPECT_TRUE(All<GlSRBullet>(ride).empty());
}

TEST_F(HazardTest, FrostineThrowsOneStormCloudPerVisit)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 100\nStormCloudSpeed 30\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    GlSRFrostine* frostine = ride->Frostine();
    int visits = 0;
    bool wasActive = false;
    for (int i = 0; i < 120; ++i) {
        Frame(100);
        if (frostine->IsActive() && !wasActive) {
            ++visits;
            EXPECT_EQ(frostine->X(), GlSRFrostine::kEnterX);
            EXPECT_GE(frostine->Y(), 67.0f);
            EXPECT_LT(frostine->Y(), 347.0f);
        }
        wasActive = frostine->IsActive();
        EXPECT_LE(frostine->X(), GlSRFrostine::kEnterX + 10.0f);
    }
    ASSERT_GE(visits, 2);
    // Clouds that drifted off are gone, but never more than one a visit.
    EXPECT_LE(static_cast<int>(All<GlSRStormcloud>(ride).size()), visits);
    EXPECT_GE(All<GlSRStormcloud>(ride).size(), 1u);
    EXPECT_LT(All<GlSRStormcloud>(ride)[0]->X(), 520.0f - 73.0f);
}

TEST_F(HazardTest, StormCloudFormsThenZapsHurtingOnlyInTheFrameTheZapStarts)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\nStormCloudZapOdds 100\nStormCloudWander 0\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    WarmUp(50);
    auto* cloud = new GlSRStormcloud(ride, 80.0f, 150.0f, 0.0f, 0.0f);
    ride->Actors().Append(cloud);
    EXPECT_EQ(cloud->ZapBox().GetWidth(), 116);
    EXPECT_EQ(cloud->BodyBox().GetHeight(), 50);
    std::vector<int> frames;
    std::vector<float> health;
    for (int i = 0; i < 40; ++i) {
        Frame(50);
        frames.push_back(cloud->Frame());
        health.push_back(CurrentPlayer().health);
    }
    // Forming 6, 5, 4 (0.6 a frame), drifting 0..3, then a zap 7 to 10 twice, then drifting again.
    EXPECT_EQ(frames[0], 6);
    EXPECT_EQ(frames[1], 5);
    EXPECT_EQ(frames[3], 4);
    int zapStart = -1;
    for (size_t i = 0; i < frames.size(); ++i)
        if (frames[i] == 7 && zapStart < 0)
            zapStart = static_cast<int>(i);
    ASSERT_GT(zapStart, 0);
    EXPECT_FLOAT_EQ(health[zapStart], 0.8f);
    EXPECT_FLOAT_EQ(health[zapStart - 1], 1.0f);
    EXPECT_EQ(cloud->HurtCount() >= 1, true);
    // During the zap animation the damage is not taken again.
    for (int i = zapStart; i < zapStart + 12 && i < static_cast<int>(frames.size()); ++i) {
        if (frames[i] == 0)
            break;
        EXPECT_GE(frames[i], 7);
        EXPECT_LE(frames[i], 10);
        EXPECT_FLOAT_EQ(health[i], 0.8f);
    }
}

TEST_F(HazardTest, StormCloudWandersByOneStepAFrameAndLeavesThePicture)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\nStormCloudZapOdds 0\nStormCloudWander 75\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    WarmUp(100);
    auto* cloud = new GlSRStormcloud(ride, 300.0f, 200.0f, -30.0f, 0.0f);
    ride->Actors().Append(cloud);
    float speed = cloud->VerticalSpeed();
    for (int i = 0; i < 10 && !All<GlSRStormcloud>(ride).empty(); ++i) {
        Frame(100);
        if (All<GlSRStormcloud>(ride).empty())
            break;
        EXPECT_NEAR(std::fabs(cloud->VerticalSpeed() - speed), 7.5f, 1e-3);
        speed = cloud->VerticalSpeed();
    }
    for (int i = 0; i < 600 && !All<GlSRStormcloud>(ride).empty(); ++i)
        Frame(100);
    EXPECT_TRUE(All<GlSRStormcloud>(ride).empty());
}

TEST_F(HazardTest, FasterDriftingCloudsLieFurtherBackAndFurtherForward)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\nCloudSpeed 60\nMaxAddCloudSpeed 30\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    std::vector<GlSRCloud> clouds;
    for (int i = 0; i < 8; ++i) {
        GlSRCloud cloud(ride);
        EXPECT_GE(cloud.Speed(), 60.0f);
        EXPECT_LT(cloud.Speed(), 90.0f);
        EXPECT_GE(cloud.Y(), 40.0f);
        EXPECT_LT(cloud.Y(), 340.0f);
        EXPECT_EQ(cloud.BackDepth(), 5000.0f + cloud.Speed());
        EXPECT_EQ(cloud.FrontDepth(), 800.0f - cloud.Speed());
        // Behind the far buildings (2000), in front of the sleigh (1000).
        EXPECT_GT(cloud.BackDepth(), 2000.0f);
        EXPECT_LT(cloud.FrontDepth(), 1000.0f);
        EXPECT_EQ(cloud.Pair(), 0u);
    }
}

TEST_F(HazardTest, ADriftingCloudLeavesOnTheLeftAndAZeroSpreadIsSafe)
{
    UseSettings("PenguinFlyerOdds 0\nFrostineOdds 0\nMaxAddCloudSpeed 0\nCloudSpacing 100000\n");
    WriteCity(1, FarRow(25));
    GlSkyRun* ride = StartRide();
    Frame(100);
    ASSERT_EQ(ride->Actors().Size(), 1u);
    auto* cloud = dynamic_cast<GlSRCloud*>(ride->Actors().At(0));
    ASSERT_NE(cloud, nullptr);
    EXPECT_EQ(cloud->Speed(), 60.0f);
    // 850 pixels at 60 a second.
    for (int i = 0; i < 150; ++i)
        Frame(100);
    EXPECT_EQ(ride->Actors().Size(), 0u);
}

} // namespace
