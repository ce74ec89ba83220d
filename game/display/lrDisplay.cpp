// The display's life: creating and destroying it, presenting, palette, colour key and clocks.
#include "lrDisplay.h"

#include "VlHost.h"
#include "lrDisplayState.h"
#include "lrPresenter.h"
#include "lrResultCodes.h"

#include <cstring>

namespace {

// Larger sizes than any screen would only be a caller's mistake or an attack on the allocator.
constexpr int kLargestScreenSide = 8192;

void FillStartupPalette(uint8_t* palette)
{
    for (int i = 0; i < 256; ++i) {
        palette[i * 4 + 0] = static_cast<uint8_t>(255 - i);
        palette[i * 4 + 1] = static_cast<uint8_t>((i % 4) * 64);
        palette[i * 4 + 2] = static_cast<uint8_t>(i);
        palette[i * 4 + 3] = 0;
    }
}

lrDisplayState MakeInitialState()
{
    lrDisplayState state;
    FillStartupPalette(state.palette);
    return state;
}

uint32_t ClockNow()
{
    Vl::Clock* clock = Vl::GetHost().clock;
    return clock ? clock->Milliseconds() : 0;
}

bool IsWindowed()
{
    return (gLrDisplay.flags & lrWindowedFlag) != 0;
}

int FailCreation(const char* message, uint32_t result, int code)
{
    lrDebugWrite(message);
    lrReportResult(result);
    lrPushError(code);
    lrDestroyDisplay();
    return 0;
}

} // namespace

lrDisplayState gLrDisplay = MakeInitialState();

int lrSetWindow(void* window)
{
    gLrDisplay.window = window;
    return 1;
}

int lrCreateDisplay(int width, int height, int bitsPerPixel, int flags)
{
    // A second display would leave the first one's presenter open behind it.
    if (gLrDisplay.live)
        lrDestroyDisplay();

    while (lrGetLastError() != 0) {
    }
    gLrDisplay.flags = flags;

    lrPresenter* presenter = lrGetPresenter();
    if (presenter && !presenter->Open(gLrDisplay.window, width, height, IsWindowed())) {
        lrDebugWrite(" leanRASTER: Could not create DirectDraw.\n");
        lrReportResult(lrResultNoDirectDrawSupport);
        lrPushError(lrErrDevice);
        return 0;
    }
    gLrDisplay.live = true;
    gLrDisplay.openPresenter = presenter;

    bool sizeUsable = width > 0 && height > 0 && width <= kLargestScreenSide && height <= kLargestScreenSide;
    if (IsWindowed()) {
        if (!sizeUsable)
            return FailCreation(" leanRASTER: Could not create windowed back buffer surface.\n",
                lrResultInvalidParams, lrErrSurface);
    } else if (!sizeUsable || bitsPerPixel != 8) {
        // Only 8-bit indexed screens exist here; a full-screen request for anything
        // else is a mode the device cannot set.
        return FailCreation(" leanRASTER: Could not set display mode.\n", lrResultInvalidMode, lrErrDisplayMode);
    }

    gLrDisplay.backBuffer.assign(static_cast<size_t>(width) * static_cast<size_t>(height), lrClearColor);
    gLrDisplay.screenWidth = width;
    gLrDisplay.screenHeight = height;
    FillStartupPalette(gLrDisplay.palette);

    lrDebugWrite(" leanRASTER: Successfully created display.\n");
    return 1;
}

int lrDestroyDisplay()
{
    if (gLrDisplay.live) {
        if (gLrDisplay.openPresenter)
            gLrDisplay.openPresenter->Close();
        gLrDisplay.openPresenter = nullptr;
        gLrDisplay.live = false;
        gLrDisplay.backBuffer.clear();
        gLrDisplay.backBuffer.shrink_to_fit();
    }
    gLrDisplay.screenWidth = 0;
    gLrDisplay.screenHeight = 0;
    return 1;
}

int lrFlip()
{
    if (gLrDisplay.live && !gLrDisplay.backBuffer.empty()) {
        if (gLrDisplay.openPresenter)
            gLrDisplay.openPresenter->Present(gLrDisplay.backBuffer.data(), gLrDisplay.screenWidth,
                gLrDisplay.screenHeight, gLrDisplay.palette);
        std::memset(gLrDisplay.backBuffer.data(), lrClearColor, gLrDisplay.backBuffer.size());
    }
    // Stamped even without a display: all frame timing reads this, and a game whose
    // display failed must still move on rather than freeze on a zero frame step.
    gLrDisplay.lastFlipTime = ClockNow();
    return 1;
}

int lrSetPalette(const uint8_t* entries, int end, int start)
{
    if (!entries)
        return 0;
    if (start < 0)
        start = 0;
    if (end > 256)
        end = 256;
    for (int i = start; i < end; ++i) {
        gLrDisplay.palette[i * 4 + 0] = entries[i * 4 + 0];
        gLrDisplay.palette[i * 4 + 1] = entries[i * 4 + 1];
        gLrDisplay.palette[i * 4 + 2] = entries[i * 4 + 2];
        gLrDisplay.palette[i * 4 + 3] = 0;
    }
    // A windowed display has no hardware palette to load and answers 0 although
    // the copy, which the presenter shows, has changed; callers ignore the answer.
    if (!gLrDisplay.live || IsWindowed())
        return 0;
    return 1;
}

int lrSetColorKey(int index)
{
    gLrDisplay.colorKey = index;
    return 1;
}

int lrGetFlipTime(uint32_t* milliseconds)
{
    if (!milliseconds)
        return 0;
    *milliseconds = gLrDisplay.lastFlipTime;
    return 1;
}

int lrGetTime(uint32_t* milliseconds)
{
    if (!milliseconds)
        return 0;
    *milliseconds = ClockNow();
    return 1;
}

const uint8_t* lrGetBackBuffer()
{
    return gLrDisplay.backBuffer.empty() ? nullptr : gLrDisplay.backBuffer.data();
}

const uint8_t* lrGetPaletteCopy()
{
    return gLrDisplay.palette;
}

int lrGetScreenWidth()
{
    return gLrDisplay.screenWidth;
}

int lrGetScreenHeight()
{
    return gLrDisplay.screenHeight;
}
