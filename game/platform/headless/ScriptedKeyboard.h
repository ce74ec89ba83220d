// A keyboard whose keys are pressed and released by a test or a key script.
#pragma once

#include "VlHost.h"
#include "VlKeys.h"

#include <array>

namespace Vl {

class ScriptedKeyboard : public KeyState {
public:
    bool IsDown(int virtualKey) override;

    // Codes outside 0..255 are ignored.
    void SetDown(int virtualKey, bool down);
    void ReleaseAll();

private:
    std::array<bool, kVK_Count> mDown{};
};

} // namespace Vl
