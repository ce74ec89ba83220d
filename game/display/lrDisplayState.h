// The one display of the process, shared by the lr* sources (not part of the contract).
#pragma once

#include <cstdint>
#include <vector>

class lrPresenter;

struct lrDisplayState {
    void* window = nullptr;
    int screenWidth = 0;  // 0 while no display exists, so every blit is off-screen
    int screenHeight = 0;
    int flags = 0;
    bool live = false;
    lrPresenter* openPresenter = nullptr; // the presenter this display opened, closed with it
    std::vector<uint8_t> backBuffer;      // screenWidth x screenHeight, pitch = screenWidth
    uint8_t palette[256 * 4] = {};        // red, green, blue, flags (always 0)
    int colorKey = -1;                    // outside 0..255: nothing is transparent
    uint32_t lastFlipTime = 0;
};

extern lrDisplayState gLrDisplay;

// Writes a diagnostic text to the debugger output (standard error or the installed sink).
void lrDebugWrite(const char* text);
