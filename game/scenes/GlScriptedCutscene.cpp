// The frame loop the three script-driven cutscenes share.
#include "GlScriptedCutscene.h"

#include "GlAnimationReader.h"
#include "GlAnimationRunner.h"
#include "GlCutsceneAssets.h"
#include "GlScreenState.h"

#include "AzLoaders.h"

GlScriptedCutscene::GlScriptedCutscene(const Scene& scene) : mScene(scene)
{
}

GlScriptedCutscene::~GlScriptedCutscene()
{
    GlAnimationDestroyBobs(mElements, mObjects);
}

void GlScriptedCutscene::Load()
{
    az::SetPaletteFromFile(mScene.palette);
    GlAnimationReadFile(mScene.script, mElements);
    GlAnimationCreateBobs(mElements, mObjects);
    Counter() = 0.0f;
}

bool GlScriptedCutscene::RunFrame()
{
    float& counter = Counter();
    if (GlCutsceneAssets::SkipRequested())
        counter = GlCutsceneAssets::kSkippedCounter;

    const int32_t frame = static_cast<int32_t>(counter);
    if (frame > mScene.lastFrame) {
        if (HandsOverQuietly()) {
            gNextScreen = Finish();
            return false;
        }
        GlCutsceneAssets::LogEnd(frame);
        gNextScreen = Finish();
    }

    GlAnimationRun(mElements, frame, mObjects);
    counter += GlCutsceneAssets::CounterStep(counter);
    return true;
}
