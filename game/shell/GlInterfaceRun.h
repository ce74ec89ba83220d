// The screen contract: one screen is current at a time; the main loop calls it every frame.
#pragma once

class GlInterfaceRun {
public:
    virtual ~GlInterfaceRun() = default;
    // Once per frame while current; the answer is not used by the loop.
    virtual bool RunFrame() = 0;
    // Once, right after the screen became current (the previous one is already destroyed).
    virtual void Load() = 0;
};
