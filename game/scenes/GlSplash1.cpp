// The title picture, shown for 51 animation frames before the studio logo.
#include "GlSplash1.h"

#include "GlFrameTiming.h"
#include "GlScreenState.h"
#include "GlSplash2.h"

#include "AzBlitterObject.h"
#include "AzDrawBobCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlLog.h"

namespace {
constexpr int kLastFrame = 50;
constexpr float kPictureDepth = 700.0f;
}

float& GlSplashFrameCounter()
{
    static float counter = 0.0f;
    return counter;
}

GlSplash1::~GlSplash1()
{
    delete mBackground;
}

void GlSplash1::Load()
{
    az::SetPaletteFromFile("splash\\background.bmp");
    mBackground = az::LoadBlitterObject("splash\\background.bmp");
    GlSplashFrameCounter() = 0.0f;
}

bool GlSplash1::RunFrame()
{
    float& counter = GlSplashFrameCounter();
    int frame = static_cast<int>(counter);
    if (frame >= 0 && frame <= kLastFrame)
        gDrawQueue.push(new AzDrawBobCommand(kPictureDepth, mBackground, 0, 0));
    if (frame <= kLastFrame) {
        // Clamped: a slow first frame (the load) never skips the picture.
        counter += FrameStep(12, true);
        return true;
    }
    azLog() << "GLCUT1 END THIS!!!! frame " << frame << "\n" << std::flush;
    gNextScreen = new GlSplash2();
    return false;
}
