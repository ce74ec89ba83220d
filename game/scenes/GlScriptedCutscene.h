// A cutscene told by an animation script: its palette, its script and the frame after which it ends.
#pragma once

#include "GlAnimationElement.h"
#include "GlInterfaceRun.h"

#include <cstdint>

class GlScriptedCutscene : public GlInterfaceRun {
public:
    struct Scene {
        const char* palette;
        const char* script;
        int32_t lastFrame;
    };

    ~GlScriptedCutscene() override;
    bool RunFrame() override;
    void Load() override;

protected:
    explicit GlScriptedCutscene(const Scene& scene);

    // The animation time in frames of 1/12 s: one value per scene class.
    virtual float& Counter() = 0;
    // Past the last frame: the scene's work on the progress record and its successor.
    virtual GlInterfaceRun* Finish() = 0;
    // The set-up scenes log the end line and still draw their last frame; the celebration
    // hands over without either and answers false.
    virtual bool HandsOverQuietly() const { return false; }

private:
    Scene mScene;
    GlAnimationElements mElements;
    GlAnimationObjects mObjects;
};
