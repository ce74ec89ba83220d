// Key state of the real keyboard and of any game controllers, by virtual-key code.
#pragma once

#include "VlHost.h"

#include <SDL.h>

#include <array>
#include <vector>

namespace Vl {

class SdlKeyboard : public KeyState {
public:
    SdlKeyboard() = default;
    ~SdlKeyboard() override;
    SdlKeyboard(const SdlKeyboard&) = delete;
    SdlKeyboard& operator=(const SdlKeyboard&) = delete;

    // Reads the state SDL kept at the last event pump. A controller's d-pad
    // and left stick count as the arrows, A as Space, Start as Enter, B and
    // Back as Escape.
    bool IsDown(int virtualKey) override;

    // The keys that answer for a virtual-key code (both Shifts, both Enters);
    // unused places and unknown codes hold SDL_SCANCODE_UNKNOWN.
    static std::array<SDL_Scancode, 2> ScancodesFor(int virtualKey);

    // Called by the event pump as controllers come and go.
    void AddController(int joystickIndex);
    void RemoveController(SDL_JoystickID instanceId);

private:
    bool ControllerDown(int virtualKey);

    std::vector<SDL_GameController*> mControllers;
};

} // namespace Vl
