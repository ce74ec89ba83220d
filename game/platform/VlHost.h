// The seams between the game and the machine it runs on: clock, keys, events,
// program launcher, audio device and CD drive. The SDL host drives the real program, the
// headless host drives tests and the playtest tool; the game sees only these.
#pragma once

#include "Launcher.h"
#include "VlCdDrive.h"

#include <cstdint>
#include <string>

namespace Vl {

class AudioDevice;

class Clock {
public:
    virtual ~Clock() = default;
    // A monotonic millisecond clock; 32 bits, wrapping like timeGetTime.
    virtual uint32_t Milliseconds() = 0;
    // Called by loops that wait on the clock (the screen hold). A real clock
    // sleeps a little; a virtual clock moves on by the given time.
    virtual void Idle(uint32_t milliseconds) = 0;
};

class KeyState {
public:
    virtual ~KeyState() = default;
    // The key is down at this moment; virtualKey is a code of VlKeys.h.
    virtual bool IsDown(int virtualKey) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles every pending window event; answers true when a quit was
    // requested (window closed, F12).
    virtual bool Pump() = 0;
    // Whether a window that loses the focus pauses the game (setting PauseOnFocusLoss).
    virtual void SetPauseOnFocusLoss(bool pause) {}
};

// Program starts go through the launcher interface both programs share.
using LaunchResult = ::LaunchResult;
using Launcher = ::Launcher;

struct Host {
    Clock* clock = nullptr;
    KeyState* keys = nullptr;
    EventPump* events = nullptr;
    Launcher* launcher = nullptr;
    AudioDevice* audio = nullptr; // null: the game runs silent
    CdDrive* cd = nullptr;        // null: a drive without a disc, the game runs without music
    void* window = nullptr;       // the main window handle handed to the display
    // An installed game works in the player's own folder: gl.config comes
    // from settingsFolder, and files named against the working directory that
    // are not there (credits.txt, the media folder) from sharedDataFolder, the
    // read-only install tree. Both empty: everything in the working directory.
    std::string settingsFolder;
    std::string sharedDataFolder;
};

// The host is installed once before the application runs; every member may be null.
void SetHost(const Host& host);
const Host& GetHost();

} // namespace Vl
