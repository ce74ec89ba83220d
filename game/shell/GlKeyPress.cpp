// One press per key held down.
#include "GlKeyPress.h"

#include "GlFrameTiming.h"

bool GlKeyPress::KeyPressed(int virtualKey)
{
    if (!IsKeyDown(virtualKey))
        return false;
    mThisFrameKey = virtualKey;
    return mThisFrameKey != mLastFrameKey;
}
