// The SDL host on SDL's dummy video driver: window, quit requests, window switching, key mapping.
#include "SdlEventPump.h"
#include "SdlHost.h"
#include "SdlKeyboard.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class SdlHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_TRUE(mHost.Start());
    }

    static void PushKey(SDL_Scancode code, Uint16 modifiers = KMOD_NONE)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.scancode = code;
        event.key.keysym.sym = SDL_GetKeyFromScancode(code);
        event.key.keysym.mod = modifiers;
        SDL_PushEvent(&event);
    }

    bool IsFullScreen() const { return (SDL_GetWindowFlags(mHost.Window()) & SDL_WINDOW_FULLSCREEN) != 0; }

    Vl::SdlHost mHost;
};

TEST_F(SdlHostTest, MakesTheHiddenResizableGameWindowAndFillsTheHost)
{
    SDL_Window* window = mHost.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "skyrun");
    Uint32 flags = SDL_GetWindowFlags(window);
    EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
    EXPECT_TRUE(flags & SDL_WINDOW_RESIZABLE);
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);

    Vl::Host host;
    mHost.Fill(host);
    EXPECT_EQ(host.window, window);
    ASSERT_NE(host.keys, nullptr);
    EXPECT_FALSE(host.keys->IsDown(Vl::kVK_Space));
}

TEST_F(SdlHostTest, F12AndClosingTheWindowAskToQuit)
{
    Vl::Host host;
    mHost.Fill(host);
    EXPECT_FALSE(host.events->Pump());
    PushKey(SDL_SCANCODE_F12);
    EXPECT_TRUE(host.events->Pump());
    EXPECT_TRUE(host.events->Pump());

    Vl::SdlEventPump second(mHost.Window(), nullptr);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(mHost.Window());
    SDL_PushEvent(&close);
    EXPECT_TRUE(second.Pump());
}

TEST_F(SdlHostTest, F11AndAltEnterSwitchBetweenFullScreenAndAWindow)
{
    Vl::Host host;
    mHost.Fill(host);
    ASSERT_FALSE(IsFullScreen());
    PushKey(SDL_SCANCODE_F11);
    EXPECT_FALSE(host.events->Pump());
    EXPECT_TRUE(IsFullScreen());
    PushKey(SDL_SCANCODE_RETURN, KMOD_LALT);
    host.events->Pump();
    EXPECT_FALSE(IsFullScreen());
    PushKey(SDL_SCANCODE_RETURN);
    host.events->Pump();
    EXPECT_FALSE(IsFullScreen());
}

TEST(SdlKeyboardTest, VirtualKeysMapOntoTheirKeys)
{
    using Codes = std::array<SDL_Scancode, 2>;
    const SDL_Scancode none = SDL_SCANCODE_UNKNOWN;
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor('0'), (Codes{SDL_SCANCODE_0, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor('1'), (Codes{SDL_SCANCODE_1, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor('9'), (Codes{SDL_SCANCODE_9, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor('A'), (Codes{SDL_SCANCODE_A, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor('Z'), (Codes{SDL_SCANCODE_Z, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor(0x70), (Codes{SDL_SCANCODE_F1, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor(Vl::kVK_F12), (Codes{SDL_SCANCODE_F12, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor(Vl::kVK_Return), (Codes{SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor(Vl::kVK_Shift), (Codes{SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor(Vl::kVK_Back), (Codes{SDL_SCANCODE_BACKSPACE, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor('a'), (Codes{none, none}));
    EXPECT_EQ(Vl::SdlKeyboard::ScancodesFor(-5), (Codes{none, none}));
}

} // namespace
