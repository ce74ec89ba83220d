// The storm cloud's walk, its zaps and its boxes.
#include "GlSRStormcloud.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "GlSignedStep.h"
#include "GlSkyRun.h"
#include "GlSleigh.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzCollide.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "VlChannelPack.h"

namespace {

constexpr float kCloudDepth = 882.0f;
constexpr uint32_t kZapPriority = 20;

int32_t FrameWidth(AzBobSprite* sprite, int32_t frame)
{
    AzBlitterObject* bob = sprite != nullptr ? sprite->GetFrame(frame) : nullptr;
    return bob != nullptr ? bob->GetWidth() : 0;
}

int32_t FrameHeight(AzBobSprite* sprite, int32_t frame)
{
    AzBlitterObject* bob = sprite != nullptr ? sprite->GetFrame(frame) : nullptr;
    return bob != nullptr ? bob->GetHeight() : 0;
}

void PlayOnPack(GlSkyRun* screen, GlSkyRun::SoundId id)
{
    if (gChannelPack != nullptr && screen->GetSound(id) != nullptr)
        gChannelPack->Play(screen->GetSound(id), kZapPriority, false, false);
}

} // namespace

GlSRStormcloud::GlSRStormcloud(GlSkyRun* screen, float x, float y, float horizontalSpeed, float verticalSpeed)
    : mScreen(screen), mX(x), mY(y), mHorizontalSpeed(horizontalSpeed), mVerticalSpeed(verticalSpeed)
{
    AzBobSprite* sprite = screen->StormcloudSprite();
    mZapBox.SetSize(FrameWidth(sprite, kZapFrame), FrameHeight(sprite, kZapFrame));
    mBodyBox.SetSize(FrameWidth(sprite, 0), FrameHeight(sprite, 0));
}

bool GlSRStormcloud::Update()
{
    const GlSettings& settings = Settings();
    mX += SignedStep(mHorizontalSpeed);
    mY += SignedStep(mVerticalSpeed);

    float wander = FrameStepClamped(settings.StormCloudWander);
    const int32_t roll = GlRandomMod(9);
    GlSleigh* sleigh = mScreen->Sleigh();
    if (roll == 0) {
        // One frame in nine the walk leans toward the sleigh's height.
        if (sleigh != nullptr && sleigh->Y() < mY)
            wander = -wander;
    } else if (roll % 2 == 1) {
        wander = -wander;
    }
    mVerticalSpeed += wander;

    if (mX < -100.0f || mY > 500.0f || mY < -60.0f)
        return false;

    mAnimationTimer += FrameStep(12, true);
    int32_t f = static_cast<int32_t>(mAnimationTimer);
    mZapBox.SetPosition(static_cast<int32_t>(mX + static_cast<float>(kZapBoxLeft)),
                        static_cast<int32_t>(mY + static_cast<float>(kZapBoxUp)));
    mBodyBox.SetPosition(static_cast<int32_t>(mX), static_cast<int32_t>(mY));
    if (settings.ShowCollisionRects)
        DrawCollisionRect(mZapBox);

    switch (mState) {
    case kForming:
        mFrame = 10 - f;
        if (mFrame < 4) {
            mState = kDrifting;
            mAnimationTimer = 0.0f;
            mFrame = 0;
        }
        break;
    case kDrifting:
        if (f <= 3) {
            mFrame = f;
        } else if (GlRandomMod(100) < settings.StormCloudZapOdds) {
            PlayOnPack(mScreen, GlSkyRun::kZapSound);
            mState = kZapping;
            mAnimationTimer = 0.0f;
            mFrame = 7;
            // A zap hurts only in the frame it starts.
            if (sleigh != nullptr && az::Collide(mZapBox, sleigh->Box())) {
                PlayOnPack(mScreen, GlSkyRun::kGlimHitSound);
                CurrentPlayer().health -= settings.StormCloudDamage;
                ++mHurtCount;
            }
        } else {
            mFrame = 0;
            mAnimationTimer -= 4.0f;
        }
        break;
    case kZapping:
        if (f >= 8) {
            mState = kDrifting;
            mAnimationTimer = 0.0f;
            mFrame = 0;
        } else {
            mFrame = 7 + f - (f >= 4 ? 4 : 0);
        }
        break;
    }

    gDrawQueue.push(new AzDrawBobSpriteCommand(kCloudDepth, mScreen->StormcloudSprite(), static_cast<int32_t>(mX),
                                               static_cast<int32_t>(mY), mFrame));
    return true;
}
