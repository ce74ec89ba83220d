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

    // Reads the state SDL kept at the last event pump, plus every key and
    // button that went down since the pump before it: a tap shorter than a
    // frame is still down for that one frame. A controller's d-pad and left
    // stick count as the arrows, A as Space and Enter, Start as Enter, and
    // Back only after it has been held for kBackHoldMs, so that a child's
    // stray press never leaves a game.
    bool IsDown(int virtualKey) override;

    static constexpr Uint32 kBackHoldMs = 1000;

    // Called by the event pump: BeginFrame before it takes the new events
    // (forgets the taps of the last frame), then for each key or button that
    // went down. now is SDL's tick count.
    void BeginFrame(Uint32 now);
    void KeyWentDown(SDL_Scancode code);
    void ButtonWentDown(Uint8 button, Uint32 now);
    void ButtonWentUp(Uint8 button);
    // A left-stick flick that is back in the middle by the next frame still counts as its arrow.
    void AxisMoved(Uint8 axis, Sint16 value);

    // The keys that answer for a virtual-key code (both Shifts, both Enters);
    // unused places and unknown codes hold SDL_SCANCODE_UNKNOWN.
    static std::array<SDL_Scancode, 2> ScancodesFor(int virtualKey);

    // Called by the event pump as controllers come and go.
    void AddController(int joystickIndex);
    void RemoveController(SDL_JoystickID instanceId);

private:
    bool ControllerDown(int virtualKey);
    bool ButtonDown(SDL_GameControllerButton button);
    bool ScancodeDown(SDL_Scancode code, const Uint8* state, int count) const;

    std::vector<SDL_GameController*> mControllers;
    std::array<bool, SDL_NUM_SCANCODES> mTapped{};
    std::array<bool, SDL_CONTROLLER_BUTTON_MAX> mButtonTapped{};
    std::array<bool, 4> mStickTapped{}; // left, right, up, down
    Uint32 mNow = 0;
    Uint32 mBackDownSince = 0;
    bool mBackHeld = false;
};

} // namespace Vl
