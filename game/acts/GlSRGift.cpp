// A gift's fall, and the three ways it ends.
#include "GlSRGift.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
#include "GlSRStormcloud.h"
#include "GlSettings.h"
#include "GlSignedStep.h"
#include "GlSkyRun.h"

#include "AzBobSprite.h"
#include "AzCollide.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"

namespace {
constexpr float kGiftDepth = 900.0f;
constexpr float kGoneBelow = 480.0f;
} // namespace

GlSRGift::GlSRGift(GlSkyRun* screen, float x, float y, bool last) : mScreen(screen), mX(x), mY(y), mLast(last)
{
}

bool GlSRGift::Update()
{
    mX += SignedStep(mHorizontalSpeed);
    mY += SignedStep(mFallSpeed);
    mFallSpeed += FrameStepClamped(Settings().GiftAcceleration);
    if (mFallSpeed > kMaxFallSpeed)
        mFallSpeed = kMaxFallSpeed;

    if (mY > kGoneBelow) {
        if (mLast)
            mScreen->LoseLastGift();
        return false;
    }

    if (Settings().ShowCollisionRects)
        DrawCollisionRect(mBox);
    mBox.SetPosition(static_cast<int32_t>(mX), static_cast<int32_t>(mY));

    int32_t houseX = 0, houseY = 0, houseWidth = 0, houseHeight = 0;
    if (mScreen->HouseRect(houseX, houseY, houseWidth, houseHeight)) {
        if (az::Collide(mBox, AzNullRect(houseX, houseY, houseWidth, houseHeight))) {
            mScreen->Deliver();
            return false;
        }
    }

    for (GlGameObject* actor : mScreen->Actors().Actors()) {
        auto* cloud = dynamic_cast<GlSRStormcloud*>(actor);
        if (cloud != nullptr && az::Collide(mBox, cloud->BodyBox())) {
            if (mLast)
                mScreen->LoseLastGift();
            return false;
        }
    }

    gDrawQueue.push(new AzDrawBobSpriteCommand(kGiftDepth, mScreen->PresentSprite(), static_cast<int32_t>(mX),
                                               static_cast<int32_t>(mY), 0));
    return true;
}
