// The studio logo, shown for 51 animation frames before the intro.
#include "GlSplash2.h"

#include "GlCut1.h"
#include "GlFrameTiming.h"
#include "GlScreenState.h"
#include "GlSplash1.h"

#include "AzBlitterObject.h"
#include "AzDrawBobCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlLog.h"

namespace {
constexpr int kLastLogoFrame = 180; // longer than the scene lasts: the logo stays to the end
constexpr int kSceneFrames = 51;
constexpr float kBlackDepth = 1700.0f;
constexpr float kLogoDepth = 1000.0f;
constexpr int kLogoX = 160;
constexpr int kLogoY = 120;
}

GlSplash2::~GlSplash2()
{
    delete mBlack;
    delete mLogo;
}

void GlSplash2::Load()
{
    az::SetPaletteFromFile("splash\\studio.bmp");
    mBlack = az::LoadBlitterObject("menus\\fullblack.bmp");
    mLogo = az::LoadBlitterObject("splash\\studio.bmp");
    GlSplashFrameCounter() = 0.0f;
}

bool GlSplash2::RunFrame()
{
    float& counter = GlSplashFrameCounter();
    int frame = static_cast<int>(counter);
    gDrawQueue.push(new AzDrawBobCommand(kBlackDepth, mBlack, 0, 0));
    if (frame >= 0 && frame <= kLastLogoFrame)
        gDrawQueue.push(new AzDrawBobCommand(kLogoDepth, mLogo, kLogoX, kLogoY));
    if (frame < kSceneFrames) {
        counter += FrameStep(12, true);
        return true;
    }
    azLog() << "GLCUT1 END THIS!!!! frame " << frame << "\n" << std::flush;
    gNextScreen = new GlCut1();
    return false;
}
