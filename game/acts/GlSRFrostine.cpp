// Frostine's visits: in from the right, a storm cloud thrown at the turn, out again.
#include "GlSRFrostine.h"

#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlSRStormcloud.h"
#include "GlSettings.h"
#include "GlSignedStep.h"
#include "GlSkyRun.h"

#include "AzBobSprite.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"

namespace {
constexpr float kBackDepth = 881.0f;
constexpr float kFrontDepth = 882.0f;
constexpr float kSweepSpeed = 100.0f;
} // namespace

float& GlSRFrostine::AppearanceTimer()
{
    static float timer = 0.0f;
    return timer;
}

GlSRFrostine::GlSRFrostine(GlSkyRun* screen) : mScreen(screen)
{
}

bool GlSRFrostine::Update()
{
    if (!mActive) {
        float& timer = AppearanceTimer();
        timer += FrameStep(2, true);
        if (timer >= 1.0f) {
            timer = 0.0f;
            if (GlRandomMod(100) < Settings().FrostineOdds) {
                mActive = true;
                mX = kEnterX;
                mY = 67.0f + static_cast<float>(GlRandomMod(280));
                mHorizontalSpeed = -kSweepSpeed;
                mVerticalSpeed = 0.0f;
            }
        }
        return true;
    }

    mX += SignedStep(mHorizontalSpeed);
    mY += SignedStep(mVerticalSpeed);
    if (mX < kTurnX) {
        mHorizontalSpeed = kSweepSpeed;
        mX = kTurnX;
        mScreen->Actors().Append(new GlSRStormcloud(mScreen, mX - 73.0f, mY + 10.0f,
                                                    -static_cast<float>(Settings().StormCloudSpeed), 0.0f));
    }
    if (mX > kEnterX)
        mActive = false;
    AzBobSprite* back = mScreen->FrostineBackSprite();
    AzBobSprite* front = mScreen->FrostineFrontSprite();
    const int32_t x = static_cast<int32_t>(mX);
    const int32_t y = static_cast<int32_t>(mY);
    if (back != nullptr)
        gDrawQueue.push(new AzDrawBobSpriteCommand(kBackDepth, back, x + 1, y - 29,
                                                   AnimFrameIndex(back->GetFrameCount(), 12, 0)));
    if (front != nullptr)
        gDrawQueue.push(
            new AzDrawBobSpriteCommand(kFrontDepth, front, x, y, AnimFrameIndex(front->GetFrameCount(), 12, 0)));
    return true;
}
