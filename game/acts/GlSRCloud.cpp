// A drifting cloud of the city's sky.
#include "GlSRCloud.h"

#include "GlRandom.h"
#include "GlSettings.h"
#include "GlSignedStep.h"
#include "GlSkyRun.h"

#include "AzDrawBobCommand.h"
#include "AzDrawQueue.h"

GlSRCloud::GlSRCloud(GlSkyRun* screen) : mScreen(screen)
{
    const size_t pairs = screen->CloudPairCount();
    // Draws in this order whatever the city holds, so the generator's sequence never depends on it.
    const int32_t pick = GlRandomMod(static_cast<int32_t>(pairs));
    mY = 40.0f + static_cast<float>(GlRandomMod(300));
    mSpeed = static_cast<float>(Settings().CloudSpeed + GlRandomMod(Settings().MaxAddCloudSpeed));
    if (pairs > 0) {
        mPair = static_cast<size_t>(pick);
        mBack = screen->CloudBack(mPair);
        mFront = screen->CloudFront(mPair);
    }
}

bool GlSRCloud::Update()
{
    mX -= SignedStep(mSpeed);
    if (mX < kGoneX)
        return false;
    const int32_t x = static_cast<int32_t>(mX);
    const int32_t y = static_cast<int32_t>(mY);
    gDrawQueue.push(new AzDrawBobCommand(BackDepth(), mBack, x, y));
    gDrawQueue.push(new AzDrawBobCommand(FrontDepth(), mFront, x, y));
    return true;
}
