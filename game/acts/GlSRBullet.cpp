// A snowball in flight, and its splash once it has hit.
#include "GlSRBullet.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
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
constexpr float kBulletDepth = 882.0f;
constexpr float kGoneLeftOf = -50.0f;
constexpr float kSplashOver = 4.0f;
constexpr uint32_t kHitPriority = 20;
} // namespace

GlSRBullet::GlSRBullet(GlSkyRun* screen, float x, float y, float horizontalSpeed, float verticalSpeed)
    : mScreen(screen), mX(x), mY(y), mHorizontalSpeed(horizontalSpeed), mVerticalSpeed(verticalSpeed)
{
    AzBobSprite* sprite = screen->BulletSprite();
    AzBlitterObject* first = sprite != nullptr ? sprite->GetFrame(0) : nullptr;
    mBox.SetSize(first != nullptr ? first->GetWidth() : 0, kBoxHeight);
}

bool GlSRBullet::Update()
{
    mX += SignedStep(mHorizontalSpeed);
    if (mX < kGoneLeftOf)
        return false;
    if (mHit) {
        mAnimationTimer += FrameStep(12, true);
        if (mAnimationTimer >= kSplashOver)
            return false;
        gDrawQueue.push(new AzDrawBobSpriteCommand(kBulletDepth, mScreen->BulletSprite(), static_cast<int32_t>(mX),
                                                   static_cast<int32_t>(mY), static_cast<int32_t>(mAnimationTimer)));
        return true;
    }
    mBox.SetPosition(static_cast<int32_t>(mX), static_cast<int32_t>(mY + kBoxDrop));
    if (Settings().ShowCollisionRects)
        DrawCollisionRect(mBox);
    GlSleigh* sleigh = mScreen->Sleigh();
    if (sleigh != nullptr && az::Collide(mBox, sleigh->Box())) {
        if (gChannelPack != nullptr && mScreen->GetSound(GlSkyRun::kGlimHitSound) != nullptr)
            gChannelPack->Play(mScreen->GetSound(GlSkyRun::kGlimHitSound), kHitPriority, false, false);
        CurrentPlayer().health -= Settings().FlyerGunDamage;
        mHit = true;
    }
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBulletDepth, mScreen->BulletSprite(), static_cast<int32_t>(mX),
                                               static_cast<int32_t>(mY), 0));
    return true;
}
