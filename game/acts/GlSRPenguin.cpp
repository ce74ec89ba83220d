// The penguin flyer's six states.
#include "GlSRPenguin.h"

#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlSRBullet.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "GlSignedStep.h"
#include "GlSkyRun.h"
#include "GlSleigh.h"

#include "AzBobSprite.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "VlChannelPack.h"
#include "VlSoundChannel.h"

#include <algorithm>

namespace {

constexpr float kPenguinDepth = 875.0f;
constexpr float kFlyingFrames = 6.0f;
constexpr float kShootStart = 6.0f;
constexpr float kShotAt = 8.0f;
constexpr float kShotOver = 10.0f;
constexpr float kAfterShotTimer = 5.0f;
// The sleigh is met when the penguin's middle (33 below its top) passes the sleigh's y.
constexpr float kMiddle = 33.0f;
constexpr uint32_t kShotPriority = 20;

} // namespace

float& GlSRPenguin::DecisionTimer()
{
    static float timer = 0.0f;
    return timer;
}

GlSRPenguin::GlSRPenguin(GlSkyRun* screen) : mScreen(screen)
{
}

int32_t GlSRPenguin::FlyingFrame()
{
    if (mAnimationTimer >= kFlyingFrames)
        mAnimationTimer = 0.0f;
    return static_cast<int32_t>(mAnimationTimer);
}

void GlSRPenguin::Shoot()
{
    mState = kAfterShot;
    mX += 15.0f;
    mScreen->Actors().Append(new GlSRBullet(mScreen, mX - 17.0f, mY + 23.0f, -300.0f, 0.0f));
    if (gChannelPack != nullptr && mScreen->GetSound(GlSkyRun::kSnowGunSound) != nullptr)
        gChannelPack->Play(mScreen->GetSound(GlSkyRun::kSnowGunSound), kShotPriority, false, false);
}

bool GlSRPenguin::Update()
{
    const GlSettings& settings = Settings();
    mX += SignedStep(mHorizontalSpeed);
    mY += SignedStep(mVerticalSpeed);
    mAnimationTimer += FrameStep(12, true);
    float& decision = DecisionTimer();
    GlSleigh* sleigh = mScreen->Sleigh();
    const float sleighX = sleigh != nullptr ? sleigh->X() : GlSleigh::kStartX;
    const float sleighY = sleigh != nullptr ? sleigh->Y() : GlSleigh::kStartY;

    switch (mState) {
    case kAway:
        decision += FrameStep(1, true);
        if (decision >= 1.0f) {
            decision = 0.0f;
            if (GlRandomMod(100) < settings.PenguinFlyerOdds) {
                mState = kDiving;
                if (gChannel3 != nullptr && mScreen->GetSound(GlSkyRun::kPenFlyerSound) != nullptr)
                    gChannel3->Play(mScreen->GetSound(GlSkyRun::kPenFlyerSound), true);
                mX = 640.0f;
                mY = -100.0f;
                mHorizontalSpeed = 0.0f;
                mVerticalSpeed = 100.0f;
            }
        }
        return true;
    case kDiving:
        mFrame = FlyingFrame();
        mHorizontalSpeed = std::max(mHorizontalSpeed - FrameStepClamped(100), -50.0f);
        if (mY + kMiddle > sleighY) {
            mState = kFollowing;
            decision = 1.0f;
        }
        break;
    case kFollowing:
        mFrame = FlyingFrame();
        if (mX < sleighX) {
            mState = kLeaving;
            break;
        }
        if (mY + kMiddle > sleighY)
            mVerticalSpeed = std::max(mVerticalSpeed - FrameStepClamped(settings.FlyerAcceleration), -100.0f);
        else
            mVerticalSpeed = std::min(mVerticalSpeed + FrameStepClamped(settings.FlyerAcceleration), 100.0f);
        decision += FrameStep(4, true);
        if (decision >= 1.0f) {
            decision = 0.0f;
            if (GlRandomMod(100) < settings.FlyerLeaveOdds) {
                mState = kLeaving;
            } else if (GlRandomMod(100) < settings.FlyerShootOdds) {
                mState = kShooting;
                mAnimationTimer = kShootStart;
            }
        }
        break;
    case kShooting:
        mFrame = static_cast<int32_t>(mAnimationTimer);
        if (mAnimationTimer > kShotAt)
            Shoot();
        break;
    case kAfterShot:
        mFrame = mAnimationTimer < kShotOver ? static_cast<int32_t>(mAnimationTimer) : 5;
        if (mAnimationTimer > kShotOver) {
            mState = kFollowing;
            mAnimationTimer = kAfterShotTimer;
        }
        break;
    case kLeaving:
        mFrame = FlyingFrame();
        mHorizontalSpeed = std::min(mHorizontalSpeed + FrameStepClamped(100), 50.0f);
        mVerticalSpeed = std::max(mVerticalSpeed - FrameStepClamped(settings.FlyerAcceleration), -100.0f);
        if (mY < -100.0f) {
            mState = kAway;
            if (gChannel3 != nullptr)
                gChannel3->Stop();
        }
        break;
    }

    gDrawQueue.push(new AzDrawBobSpriteCommand(kPenguinDepth, mScreen->PenguinFlyerSprite(), static_cast<int32_t>(mX),
                                               static_cast<int32_t>(mY), mFrame));
    return true;
}
