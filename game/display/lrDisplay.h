// leanRASTER: the game's one 8-bit display, its off-screen graphics, the
// colour-keyed blit, the present that clears to index 255, palette, text and clocks.
// Every function answers 1 on success and 0 on failure unless said otherwise.
#pragma once

#include <cstdint>

struct lrSurface;
using lrGraphic = lrSurface*;

constexpr int lrWindowedFlag = 4;       // lrCreateDisplay: windowed instead of full-screen
constexpr int lrSystemMemoryFlag = 16;  // lrCreateGraphic
constexpr int lrVideoMemoryFlag = 8;    // lrCreateGraphic
constexpr int lrClearColor = 255;

// Library error codes pushed by lrCreateDisplay.
constexpr int lrErrSurface = 1;
constexpr int lrErrDisplayMode = 2;
constexpr int lrErrDevice = 4;

int lrSetWindow(void* window);
int lrCreateDisplay(int width, int height, int bitsPerPixel, int flags);
int lrDestroyDisplay();

int lrCreateGraphic(lrGraphic* graphic, int width, int height, int flags);
int lrDestroyGraphic(lrGraphic graphic);
int lrCopyToGraphic(lrGraphic graphic, int x, int y, const uint8_t* pixels, int width, int height, int pitch);
int lrBlitGraphic(lrGraphic graphic, int sourceX, int sourceY, int width, int height, int destX, int destY);

int lrFlip();
// entries: 256 four-byte entries (red, green, blue, ignored); copies start .. end-1.
int lrSetPalette(const uint8_t* entries, int end, int start);
int lrSetColorKey(int index);

int lrDrawText(int x, int y, const char* text, int red, int green, int blue);
// Colours are GDI colour values: 0x00BBGGRR.
int lrDrawTextOpaque(uint32_t textColor, uint32_t backColor, int x, int y, const char* text, int length);

int lrGetFlipTime(uint32_t* milliseconds);
int lrGetTime(uint32_t* milliseconds);

// Pops the newest library error code; 0 when none is left.
int lrGetLastError();
void lrPushError(int code);
// Writes the "####CHECKERROR: " text of a device result to the debugger output.
void lrReportResult(uint32_t result);

// Where diagnostics go: standard error unless a sink is installed (tests).
using lrDebugSink = void (*)(const char* text);
void lrSetDebugSink(lrDebugSink sink);

// Inspection for the presenters, tools and tests.
const uint8_t* lrGetBackBuffer();      // screen width x screen height bytes, pitch = width
const uint8_t* lrGetPaletteCopy();     // 256 x (red, green, blue, flags)
int lrGetScreenWidth();
int lrGetScreenHeight();
int lrGetGraphicWidth(lrGraphic graphic);
int lrGetGraphicHeight(lrGraphic graphic);
const uint8_t* lrGetGraphicPixels(lrGraphic graphic);
