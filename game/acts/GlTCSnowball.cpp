// Snowballs: flight, the hit on Glimmer's head while in the air, the splash where they land.
#include "GlTCSnowball.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
#include "GlSettings.h"
#include "GlSignedStep.h"
#include "GlSnowmobile.h"
#include "GlToyCatcher.h"
#include "PlayerRecord.h"

#include "AzCollide.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "lrDisplay.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr float kDepth = 500.0f;
constexpr int32_t kBlownBoxSize = 40;

} // namespace

GlTCSnowball::GlTCSnowball(GlToyCatcher* screen, float x, float y, float fallSpeed, float fallAcceleration,
                           bool blown)
    : mScreen(screen), mBlown(blown), mX(x), mY(y), mFallSpeed(fallSpeed), mFallAcceleration(fallAcceleration)
{
}

bool GlTCSnowball::Update()
{
    if (mHorizontalSpeed != 0.0f)
        mX += SignedStep(mHorizontalSpeed);
    if (mFallSpeed != 0.0f)
        mY += SignedStep(mFallSpeed);
    mFallSpeed += SignedStep(mFallAcceleration);
    if (mFallSpeed > kMaxFallSpeed)
        mFallSpeed = kMaxFallSpeed;

    if (mY <= kGroundY) {
        mBox.SetPosition(static_cast<int32_t>(mX), static_cast<int32_t>(mY));
        if (Settings().ShowCollisionRects)
            DrawCollisionRect(mBox);
        GlSnowmobile* snowmobile = mScreen->Snowmobile();
        if (snowmobile != nullptr && az::Collide(mBox, snowmobile->HeadBox())) {
            snowmobile->SetHead(GlSnowmobile::kHeadLongShake, -1);
            CurrentPlayer().health -= Settings().SnowballDamage;
            mScreen->PlayEffect(GlToyCatcher::kHitHead, true);
            return false;
        }
        const int32_t x = static_cast<int32_t>(mX);
        const int32_t y = static_cast<int32_t>(mY);
        if (!mBlown || mFallSpeed <= 0.0f) {
            gDrawQueue.push(new AzDrawBobCommand(kDepth, mScreen->Image(GlToyCatcher::kSnowball), x, y));
        } else {
            gDrawQueue.push(new AzDrawBobSpriteCommand(kDepth, mScreen->Sprite(GlToyCatcher::kSnowSplash), x, y, 0));
            mBox.SetSize(kBlownBoxSize, kBlownBoxSize);
        }
        return true;
    }

    if (!mLanded) {
        lrGetFlipTime(&mLandingTime);
        mLanded = true;
        mScreen->PlayEffect(GlToyCatcher::kHole, false);
    }
    const int32_t c = AnimFrameIndex(17, 12, mLandingTime);
    if (c < kSplashTicks) {
        gDrawQueue.push(new AzDrawBobSpriteCommand(kDepth, mScreen->Sprite(GlToyCatcher::kSnowSplash),
                                                   static_cast<int32_t>(mX), static_cast<int32_t>(kGroundY),
                                                   c < 11 ? 2 : 3));
        return true;
    }
    return false;
}
