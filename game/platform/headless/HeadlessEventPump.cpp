// Quit requests of a run without a window.
#include "HeadlessEventPump.h"

#include "VlKeys.h"

namespace Vl {

HeadlessEventPump::HeadlessEventPump(KeyState* keys) : mKeys(keys)
{
}

bool HeadlessEventPump::Pump()
{
    return mQuitRequested || (mKeys && mKeys->IsDown(kVK_F12));
}

void HeadlessEventPump::RequestQuit()
{
    mQuitRequested = true;
}

} // namespace Vl
