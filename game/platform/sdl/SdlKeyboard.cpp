// Virtual-key codes looked up in SDL's keyboard and game controller state.
#include "SdlKeyboard.h"

#include "VlKeys.h"

#include <algorithm>

namespace Vl {

namespace {

constexpr int kVK_F1 = 0x70;
constexpr Sint16 kStickThreshold = 16000;

bool StickPushed(SDL_GameController* pad, SDL_GameControllerAxis axis, int direction)
{
    Sint16 value = SDL_GameControllerGetAxis(pad, axis);
    return direction < 0 ? value <= -kStickThreshold : value >= kStickThreshold;
}

} // namespace

SdlKeyboard::~SdlKeyboard()
{
    for (SDL_GameController* pad : mControllers)
        SDL_GameControllerClose(pad);
}

std::array<SDL_Scancode, 2> SdlKeyboard::ScancodesFor(int virtualKey)
{
    switch (virtualKey) {
    case kVK_Back:
        return {SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_UNKNOWN};
    case kVK_Return:
        return {SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER};
    case kVK_Shift:
        return {SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT};
    case kVK_Escape:
        return {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_UNKNOWN};
    case kVK_Space:
        return {SDL_SCANCODE_SPACE, SDL_SCANCODE_UNKNOWN};
    case kVK_Left:
        return {SDL_SCANCODE_LEFT, SDL_SCANCODE_UNKNOWN};
    case kVK_Up:
        return {SDL_SCANCODE_UP, SDL_SCANCODE_UNKNOWN};
    case kVK_Right:
        return {SDL_SCANCODE_RIGHT, SDL_SCANCODE_UNKNOWN};
    case kVK_Down:
        return {SDL_SCANCODE_DOWN, SDL_SCANCODE_UNKNOWN};
    default:
        break;
    }
    // SDL orders the digit keys 1..9 then 0, unlike the codes '0'..'9'.
    if (virtualKey == kVK_0)
        return {SDL_SCANCODE_0, SDL_SCANCODE_UNKNOWN};
    if (virtualKey > kVK_0 && virtualKey <= kVK_0 + 9)
        return {static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (virtualKey - kVK_0 - 1)), SDL_SCANCODE_UNKNOWN};
    if (virtualKey >= kVK_A && virtualKey < kVK_A + 26)
        return {static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - kVK_A)), SDL_SCANCODE_UNKNOWN};
    if (virtualKey >= kVK_F1 && virtualKey <= kVK_F12)
        return {static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + (virtualKey - kVK_F1)), SDL_SCANCODE_UNKNOWN};
    return {SDL_SCANCODE_UNKNOWN, SDL_SCANCODE_UNKNOWN};
}

bool SdlKeyboard::IsDown(int virtualKey)
{
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    if (virtualKey == kVK_Return && (SDL_GetModState() & KMOD_ALT))
        return false; // Alt+Enter switches the window; it is not a game key then
    for (SDL_Scancode code : ScancodesFor(virtualKey)) {
        if (code != SDL_SCANCODE_UNKNOWN && code < count && state[code])
            return true;
    }
    return ControllerDown(virtualKey);
}

bool SdlKeyboard::ControllerDown(int virtualKey)
{
    for (SDL_GameController* pad : mControllers) {
        auto button = [pad](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(pad, b) != 0; };
        switch (virtualKey) {
        case kVK_Left:
            if (button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || StickPushed(pad, SDL_CONTROLLER_AXIS_LEFTX, -1))
                return true;
            break;
        case kVK_Right:
            if (button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || StickPushed(pad, SDL_CONTROLLER_AXIS_LEFTX, 1))
                return true;
            break;
        case kVK_Up:
            if (button(SDL_CONTROLLER_BUTTON_DPAD_UP) || StickPushed(pad, SDL_CONTROLLER_AXIS_LEFTY, -1))
                return true;
            break;
        case kVK_Down:
            if (button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || StickPushed(pad, SDL_CONTROLLER_AXIS_LEFTY, 1))
                return true;
            break;
        case kVK_Space:
            if (button(SDL_CONTROLLER_BUTTON_A))
                return true;
            break;
        case kVK_Return:
            if (button(SDL_CONTROLLER_BUTTON_START))
                return true;
            break;
        case kVK_Escape:
            if (button(SDL_CONTROLLER_BUTTON_B) || button(SDL_CONTROLLER_BUTTON_BACK))
                return true;
            break;
        default:
            break;
        }
    }
    return false;
}

void SdlKeyboard::AddController(int joystickIndex)
{
    if (!SDL_IsGameController(joystickIndex))
        return;
    SDL_GameController* pad = SDL_GameControllerOpen(joystickIndex);
    if (!pad)
        return;
    // SDL announces controllers present at start-up as well; one pad is kept once.
    if (std::find(mControllers.begin(), mControllers.end(), pad) != mControllers.end()) {
        SDL_GameControllerClose(pad);
        return;
    }
    mControllers.push_back(pad);
}

void SdlKeyboard::RemoveController(SDL_JoystickID instanceId)
{
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(instanceId);
    auto found = std::find(mControllers.begin(), mControllers.end(), pad);
    if (pad && found != mControllers.end()) {
        mControllers.erase(found);
        SDL_GameControllerClose(pad);
    }
}

} // namespace Vl
