// Screens reached with Enter must not take that same Enter, still held, as a new press.
#pragma once

#include "GlFrameTiming.h"
#include "GlKeyPress.h"

// Makes a key that is already down when a screen loads count as last
// frame's key, so it reports a press only once it is let go and pressed
// again. Without this, the Enter that left the high-score list would start a
// new game on the menu's first frame.
inline void GlIgnoreHeldKey(GlKeyPress& keys, int virtualKey)
{
    keys.BeginFrame();
    if (IsKeyDown(virtualKey)) {
        keys.KeyPressed(virtualKey);
        keys.EndFrame();
    }
}
