// Penguins of act 1: where they come, when they throw or blow a snowball, how they are drawn, when they leave.
#include "GlTCPenguin.h"

#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlTCSnowball.h"
#include "GlToyCatcher.h"
#include "PlayerRecord.h"

#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"

#include <algorithm>

namespace {

const int32_t kSniperFrames[17] = {1, 2, 3, 4, 9, 9, 10, 11, 12, 2, 2, 2, 2, 5, 2, 3, 1};
constexpr int32_t kSniperThrowTick = 7;
constexpr int32_t kSniperLeaveTick = 17;
constexpr float kSniperDepth = 4000.0f;
constexpr float kSniperBallSpeed = 1000.0f;

const float kSniperPlaces[4][2] = {{37, 94}, {204, 56}, {391, 57}, {522, 88}};

// The blower's working frames, for shooting timer ticks 0 to 22.
const int32_t kBlowFrames[23] = {3, 4, 5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7, 8, 6, 4, 3, 3, 4, 4, 4, 5, 6};
constexpr int32_t kFireTick = 21;
constexpr int32_t kDoneTick = 22;
constexpr float kBlowerBodyDepth = 5005.0f;
constexpr float kBlowerTopDepth = 5006.0f;
constexpr float kBlowerTreadsDepth = 5004.0f;
constexpr int32_t kBlowerSpeed = 100;
constexpr float kBlownBallSpeed = -2000.0f;
constexpr float kBlownBallAcceleration = 6000.0f;

} // namespace

GlTCPenguin::RunValues& GlTCPenguin::SharedValues()
{
    static RunValues values;
    return values;
}

int32_t GlTCPenguin::ShotCountForLevel(int32_t level)
{
    double count = (static_cast<double>(level) - 1.0) * 1.5;
    if (!(count > 1.0))
        count = 1.0;
    return static_cast<int32_t>(std::min(count, static_cast<double>(kMaxShots)));
}

float GlTCPenguin::TargetX(int32_t shotCount, int32_t index)
{
    return static_cast<float>(640.0 / (shotCount + 1) * (index + 1) - 50.0 - 2.0);
}

void GlTCPenguin::SniperPlace(int32_t place, float& x, float& y)
{
    place = std::clamp(place, 0, 3);
    x = kSniperPlaces[place][0];
    y = kSniperPlaces[place][1];
}

GlTCPenguin::GlTCPenguin(GlToyCatcher* screen) : mScreen(screen)
{
    const bool sniper = GlRandomMod(4) != 0;
    Setup(sniper, -1);
}

GlTCPenguin::GlTCPenguin(GlToyCatcher* screen, bool sniper, int32_t place) : mScreen(screen)
{
    Setup(sniper, place);
}

void GlTCPenguin::Setup(bool sniper, int32_t place)
{
    mSniper = sniper;
    mShotCount = ShotCountForLevel(CurrentPlayer().level);
    for (int32_t i = 0; i < mShotCount; ++i)
        mTargets[i] = TargetX(mShotCount, i);
    if (mSniper) {
        SniperPlace(place < 0 ? GlRandomMod(4) : place, mX, mY);
    } else {
        mX = 0.0f;
        mY = kBlowerY;
    }
}

bool GlTCPenguin::Update()
{
    return mSniper ? UpdateSniper() : UpdateSnowblower();
}

void GlTCPenguin::Leave()
{
    mScreen->SetPenguinPresent(false);
}

bool GlTCPenguin::UpdateSniper()
{
    int32_t index = AnimFrameIndex(17, 12, 0);
    if (index != mLastIndex) {
        mLastIndex = index;
        if (++mTicks == kSniperThrowTick) {
            mScreen->Actors().Append(new GlTCSnowball(mScreen, mX, mY, kSniperBallSpeed, 0.0f, false));
            mScreen->PlayEffect(GlToyCatcher::kSnowGun, false);
        }
    }
    if (mTicks < kSniperLeaveTick) {
        gDrawQueue.push(new AzDrawBobSpriteCommand(kSniperDepth, mScreen->Sprite(GlToyCatcher::kPenguinSniper),
                                                   static_cast<int32_t>(mX), static_cast<int32_t>(mY),
                                                   kSniperFrames[std::max(mTicks, 0)]));
        return true;
    }
    Leave();
    return false;
}

void GlTCPenguin::DrawBlower(int32_t penguinFrame, int32_t spoutFrame)
{
    const int32_t x = static_cast<int32_t>(mX);
    const int32_t y = static_cast<int32_t>(mY);
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBlowerBodyDepth, mScreen->Sprite(GlToyCatcher::kBlowerBody), x, y,
                                               AnimFrameIndex(2, 12, 0)));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBlowerTopDepth, mScreen->Sprite(GlToyCatcher::kBlowerPenguin), x + 1,
                                               y - 20, penguinFrame));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBlowerTopDepth, mScreen->Sprite(GlToyCatcher::kBlowerSpout), x + 66,
                                               y - 12, spoutFrame));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBlowerTreadsDepth, mScreen->Sprite(GlToyCatcher::kBlowerTreads),
                                               x - 3, y + 32, AnimFrameIndex(3, 12, 0)));
}

bool GlTCPenguin::UpdateSnowblower()
{
    if (mX > kLeaveX) {
        Leave();
        return false;
    }
    RunValues& shared = SharedValues();
    if (!mShooting) {
        const int32_t frame = AnimFrameIndex(3, 12, 0);
        DrawBlower(frame, frame);
        if (mShotsLeft && mTargets[mShotsFired] < mX) {
            mShooting = true;
            shared.shootingTimer = 0.0f;
        }
        mX += FrameStepClamped(kBlowerSpeed);
        return true;
    }

    const int32_t t = std::clamp(static_cast<int32_t>(shared.shootingTimer), 0, kDoneTick);
    if (t > 16)
        DrawBlower(t % 3, kBlowFrames[t]);
    else
        DrawBlower(kBlowFrames[t], t % 3);
    if (t != kFireTick)
        shared.shotFiredThisPass = false;
    if (t == kFireTick && !shared.shotFiredThisPass) {
        mScreen->Actors().Append(
            new GlTCSnowball(mScreen, mX + 66.0f, mY - 12.0f - 24.0f, kBlownBallSpeed, kBlownBallAcceleration, true));
        mScreen->PlayEffect(GlToyCatcher::kSnowGun, false);
        shared.shotFiredThisPass = true;
        if (++mShotsFired >= mShotCount)
            mShotsLeft = false;
    }
    if (t == kDoneTick)
        mShooting = false;
    shared.shootingTimer += FrameStep(12, true);
    return true;
}
