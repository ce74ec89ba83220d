// Taps shorter than a frame, gamepad buttons and the focus pause, sent as SDL events through the host's event pump.
#include "SdlClock.h"
#include "SdlEventPump.h"
#include "SdlHost.h"
#include "SdlKeyboard.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class DesktopInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_TRUE(mSdl.Start());
        mSdl.Fill(mHost);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    static void PushKey(SDL_Scancode code, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = code;
        event.key.keysym.sym = SDL_GetKeyFromScancode(code);
        SDL_PushEvent(&event);
    }

    static void PushButton(SDL_GameControllerButton button, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
        event.cbutton.button = static_cast<Uint8>(button);
        event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }

    static void PushWindowEvent(SDL_WindowEventID what)
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = static_cast<Uint8>(what);
        SDL_PushEvent(&event);
    }

    // The keys of VlKeys.h seen down after one more pump, by name.
    std::vector<std::string> DownAfterPump()
    {
        mHost.events->Pump();
        std::vector<std::string> down;
        for (auto [key, name] : {std::pair{Vl::kVK_Space, "space"}, {Vl::kVK_Return, "enter"},
                                 {Vl::kVK_Escape, "escape"}, {Vl::kVK_Left, "left"}, {Vl::kVK_Up, "up"},
                                 {Vl::kVK_Snapshot, "snapshot"}}) {
            if (mHost.keys->IsDown(key))
                down.push_back(name);
        }
        return down;
    }

    Vl::SdlHost mSdl;
    Vl::Host mHost;
};

using Keys = std::vector<std::string>;

TEST_F(DesktopInputTest, AKeyPressedAndReleasedBetweenTwoFramesIsDownForExactlyOneFrame)
{
    PushKey(SDL_SCANCODE_SPACE, true);
    PushKey(SDL_SCANCODE_SPACE, false);
    EXPECT_EQ(DownAfterPump(), Keys{"space"});
    EXPECT_EQ(DownAfterPump(), Keys{});

    // Two different taps in one frame both count; a key repeat is not a new tap.
    PushKey(SDL_SCANCODE_LEFT, true);
    PushKey(SDL_SCANCODE_LEFT, false);
    PushKey(SDL_SCANCODE_PRINTSCREEN, true);
    PushKey(SDL_SCANCODE_PRINTSCREEN, false);
    EXPECT_EQ(DownAfterPump(), (Keys{"left", "snapshot"}));
    SDL_Event repeat{};
    repeat.type = SDL_KEYDOWN;
    repeat.key.repeat = 1;
    repeat.key.keysym.scancode = SDL_SCANCODE_UP;
    SDL_PushEvent(&repeat);
    EXPECT_EQ(DownAfterPump(), Keys{});
}

TEST_F(DesktopInputTest, AltEnterSwitchesTheWindowWithoutTappingEnter)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_RETURN;
    event.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&event);
    EXPECT_EQ(DownAfterPump(), Keys{});
}

TEST_F(DesktopInputTest, GamepadButtonsTapLikeTheirKeysAndBackMustBeHeldForASecond)
{
    PushButton(SDL_CONTROLLER_BUTTON_A, true);
    PushButton(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(DownAfterPump(), (Keys{"space", "enter"}));
    EXPECT_EQ(DownAfterPump(), Keys{});

    PushButton(SDL_CONTROLLER_BUTTON_START, true);
    PushButton(SDL_CONTROLLER_BUTTON_START, false);
    PushButton(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    PushButton(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
    EXPECT_EQ(DownAfterPump(), (Keys{"enter", "up"}));

    // A stick flicked left and back to the middle within the frame.
    SDL_Event stick{};
    stick.type = SDL_CONTROLLERAXISMOTION;
    stick.caxis.axis = SDL_CONTROLLER_AXIS_LEFTX;
    stick.caxis.value = -30000;
    SDL_PushEvent(&stick);
    stick.caxis.value = 0;
    SDL_PushEvent(&stick);
    EXPECT_EQ(DownAfterPump(), Keys{"left"});
    EXPECT_EQ(DownAfterPump(), Keys{});

    // B does nothing; a tap of Back never leaves the game.
    PushButton(SDL_CONTROLLER_BUTTON_B, true);
    PushButton(SDL_CONTROLLER_BUTTON_B, false);
    PushButton(SDL_CONTROLLER_BUTTON_BACK, true);
    PushButton(SDL_CONTROLLER_BUTTON_BACK, false);
    EXPECT_EQ(DownAfterPump(), Keys{});

    // Held Back, on the keyboard's own clock: Escape from the one-second mark on, until let go.
    Vl::SdlKeyboard keyboard;
    keyboard.BeginFrame(5000);
    keyboard.ButtonWentDown(SDL_CONTROLLER_BUTTON_BACK, 5000);
    EXPECT_FALSE(keyboard.IsDown(Vl::kVK_Escape));
    keyboard.BeginFrame(5000 + Vl::SdlKeyboard::kBackHoldMs - 1);
    EXPECT_FALSE(keyboard.IsDown(Vl::kVK_Escape));
    keyboard.BeginFrame(5000 + Vl::SdlKeyboard::kBackHoldMs);
    EXPECT_TRUE(keyboard.IsDown(Vl::kVK_Escape));
    keyboard.ButtonWentUp(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_FALSE(keyboard.IsDown(Vl::kVK_Escape));
    // Pressed again: the second counts from its own press.
    keyboard.BeginFrame(9000);
    keyboard.ButtonWentDown(SDL_CONTROLLER_BUTTON_BACK, 9000);
    keyboard.BeginFrame(9500);
    EXPECT_FALSE(keyboard.IsDown(Vl::kVK_Escape));
}

TEST_F(DesktopInputTest, LosingTheFocusPausesWithTheClockStoppedUntilTheFocusComesBack)
{
    Vl::SdlClock clock;
    Vl::SdlKeyboard keyboard;
    Vl::SdlEventPump pump(mSdl.Window(), &keyboard, &clock);
    std::vector<std::string> calls;
    uint32_t frozenA = 0;
    uint32_t frozenB = 0;
    pump.SetPauseHandlers(
        [&](bool paused) {
            calls.push_back(paused ? "mute" : "unmute");
            if (!paused)
                return;
            frozenA = clock.Milliseconds();
            SDL_Delay(20);
            frozenB = clock.Milliseconds();
            // Keys pressed while away do not reach the game.
            PushKey(SDL_SCANCODE_SPACE, true);
            PushKey(SDL_SCANCODE_SPACE, false);
            PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        },
        [] {});

    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_FALSE(pump.Pump());
    EXPECT_EQ(calls, (std::vector<std::string>{"mute", "unmute"}));
    EXPECT_EQ(frozenA, frozenB);
    EXPECT_FALSE(clock.IsPaused());
    EXPECT_FALSE(keyboard.IsDown(Vl::kVK_Space));

    // Switched off by the setting: no pause, no mute.
    calls.clear();
    pump.SetPauseOnFocusLoss(false);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_FALSE(pump.Pump());
    EXPECT_TRUE(calls.empty());

    // A quit while paused ends the wait.
    pump.SetPauseOnFocusLoss(true);
    pump.SetPauseHandlers(
        [&](bool paused) {
            calls.push_back(paused ? "mute" : "unmute");
            if (paused) {
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                SDL_PushEvent(&quit);
            }
        },
        [] {});
    EXPECT_TRUE(pump.Pump());
    EXPECT_EQ(calls, (std::vector<std::string>{"mute", "unmute"}));
}

} // namespace
