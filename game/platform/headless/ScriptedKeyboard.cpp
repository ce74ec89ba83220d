// Key state set by the caller.
#include "ScriptedKeyboard.h"

namespace Vl {

bool ScriptedKeyboard::IsDown(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < kVK_Count && mDown[virtualKey];
}

void ScriptedKeyboard::SetDown(int virtualKey, bool down)
{
    if (virtualKey >= 0 && virtualKey < kVK_Count)
        mDown[virtualKey] = down;
}

void ScriptedKeyboard::ReleaseAll()
{
    mDown.fill(false);
}

} // namespace Vl
