// Virtual-key codes looked up in SDL's keyboard and game controller state.
#include "SdlKeyboard.h"

#include "VlKeys.h"

#include <algorithm>

namespace Vl {

namespace {

constexpr int kVK_F1 = 0x70;
constexpr Sint16 kStickThreshold = 16000;

// The keys that are not letters, digits or function keys.
struct KeyScancodes {
    int virtualKey;
    std::array<SDL_Scancode, 2> scancodes; // SDL_SCANCODE_UNKNOWN: none
};

constexpr KeyScancodes kKeyScancodes[] = {
    {kVK_Back, {SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_UNKNOWN}},
    {kVK_Return, {SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER}},
    {kVK_Shift, {SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT}},
    {kVK_Escape, {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_UNKNOWN}},
    {kVK_Space, {SDL_SCANCODE_SPACE, SDL_SCANCODE_UNKNOWN}},
    {kVK_Left, {SDL_SCANCODE_LEFT, SDL_SCANCODE_UNKNOWN}},
    {kVK_Up, {SDL_SCANCODE_UP, SDL_SCANCODE_UNKNOWN}},
    {kVK_Right, {SDL_SCANCODE_RIGHT, SDL_SCANCODE_UNKNOWN}},
    {kVK_Down, {SDL_SCANCODE_DOWN, SDL_SCANCODE_UNKNOWN}},
    {kVK_Snapshot, {SDL_SCANCODE_PRINTSCREEN, SDL_SCANCODE_UNKNOWN}},
};

// The buttons and stick direction that count as a key on every controller.
struct PadBinding {
    int virtualKey;
    SDL_GameControllerButton buttons[2]; // SDL_CONTROLLER_BUTTON_INVALID: none
    SDL_GameControllerAxis axis;         // SDL_CONTROLLER_AXIS_INVALID: none
    int direction;
};

constexpr PadBinding kPadBindings[] = {
    {kVK_Left, {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_INVALID}, SDL_CONTROLLER_AXIS_LEFTX, -1},
    {kVK_Right, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_INVALID}, SDL_CONTROLLER_AXIS_LEFTX, 1},
    {kVK_Up, {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_INVALID}, SDL_CONTROLLER_AXIS_LEFTY, -1},
    {kVK_Down, {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_INVALID}, SDL_CONTROLLER_AXIS_LEFTY, 1},
    {kVK_Space, {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_INVALID}, SDL_CONTROLLER_AXIS_INVALID, 0},
    {kVK_Return, {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START}, SDL_CONTROLLER_AXIS_INVALID, 0},
};

// The symbol a US keyboard gives the key at this position.
SDL_Keycode SymbolOf(SDL_Scancode code)
{
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z)
        return SDLK_a + (code - SDL_SCANCODE_A);
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9)
        return SDLK_1 + (code - SDL_SCANCODE_1);
    switch (code) {
    case SDL_SCANCODE_0: return SDLK_0;
    case SDL_SCANCODE_RETURN: return SDLK_RETURN;
    case SDL_SCANCODE_ESCAPE: return SDLK_ESCAPE;
    case SDL_SCANCODE_BACKSPACE: return SDLK_BACKSPACE;
    case SDL_SCANCODE_SPACE: return SDLK_SPACE;
    default: return SDL_SCANCODE_TO_KEYCODE(code);
    }
}

size_t StickSlot(SDL_GameControllerAxis axis, int direction)
{
    return (axis == SDL_CONTROLLER_AXIS_LEFTX ? 0 : 2) + (direction < 0 ? 0 : 1);
}

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
    for (const KeyScancodes& key : kKeyScancodes) {
        if (key.virtualKey == virtualKey)
            return key.scancodes;
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
        if (code == SDL_SCANCODE_UNKNOWN)
            continue;
        if (ScancodeDown(code, state, count))
            return true;
        // Also the key that carries the same symbol in the current keymap: on
        // X servers whose key numbering SDL does not recognise (a bare Xvfb
        // among them) the arrows land on other scancodes.
        SDL_Scancode mapped = SDL_GetScancodeFromKey(SymbolOf(code));
        if (mapped != SDL_SCANCODE_UNKNOWN && mapped != code && ScancodeDown(mapped, state, count))
            return true;
    }
    return ControllerDown(virtualKey);
}

bool SdlKeyboard::ScancodeDown(SDL_Scancode code, const Uint8* state, int count) const
{
    if (code < 0 || code >= SDL_NUM_SCANCODES)
        return false;
    return mTapped[code] || (code < count && state[code]);
}

bool SdlKeyboard::ButtonDown(SDL_GameControllerButton button)
{
    if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX)
        return false;
    if (mButtonTapped[button])
        return true;
    for (SDL_GameController* pad : mControllers) {
        if (SDL_GameControllerGetButton(pad, button) != 0)
            return true;
    }
    return false;
}

bool SdlKeyboard::ControllerDown(int virtualKey)
{
    if (virtualKey == kVK_Escape)
        return mBackHeld && mNow - mBackDownSince >= kBackHoldMs;
    for (const PadBinding& binding : kPadBindings) {
        if (binding.virtualKey != virtualKey)
            continue;
        for (SDL_GameControllerButton button : binding.buttons) {
            if (button != SDL_CONTROLLER_BUTTON_INVALID && ButtonDown(button))
                return true;
        }
        if (binding.axis == SDL_CONTROLLER_AXIS_INVALID)
            continue;
        if (mStickTapped[StickSlot(binding.axis, binding.direction)])
            return true;
        for (SDL_GameController* pad : mControllers) {
            if (StickPushed(pad, binding.axis, binding.direction))
                return true;
        }
    }
    return false;
}

void SdlKeyboard::AxisMoved(Uint8 axis, Sint16 value)
{
    if (axis != SDL_CONTROLLER_AXIS_LEFTX && axis != SDL_CONTROLLER_AXIS_LEFTY)
        return;
    if (value <= -kStickThreshold)
        mStickTapped[StickSlot(static_cast<SDL_GameControllerAxis>(axis), -1)] = true;
    else if (value >= kStickThreshold)
        mStickTapped[StickSlot(static_cast<SDL_GameControllerAxis>(axis), 1)] = true;
}

void SdlKeyboard::BeginFrame(Uint32 now)
{
    mTapped.fill(false);
    mButtonTapped.fill(false);
    mStickTapped.fill(false);
    mNow = now;
}

void SdlKeyboard::KeyWentDown(SDL_Scancode code)
{
    if (code >= 0 && code < SDL_NUM_SCANCODES)
        mTapped[code] = true;
}

void SdlKeyboard::ButtonWentDown(Uint8 button, Uint32 now)
{
    if (button >= SDL_CONTROLLER_BUTTON_MAX)
        return;
    if (button == SDL_CONTROLLER_BUTTON_BACK) {
        // Back is a held button, never a tap: it counts only once it has stayed down.
        if (!mBackHeld)
            mBackDownSince = now;
        mBackHeld = true;
        return;
    }
    mButtonTapped[button] = true;
}

void SdlKeyboard::ButtonWentUp(Uint8 button)
{
    if (button == SDL_CONTROLLER_BUTTON_BACK)
        mBackHeld = false;
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
        mBackHeld = false;
        mControllers.erase(found);
        SDL_GameControllerClose(pad);
    }
}

} // namespace Vl
