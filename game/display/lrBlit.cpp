// The colour-keyed blit of a graphic onto the back buffer, clipped to the screen.
#include "lrDisplay.h"
#include "lrDisplayState.h"
#include "lrResultCodes.h"
#include "lrSurface.h"

#include <cstring>

namespace {

// Sixteen pixels at a time through the compiler's portable vector types
// (SSE2 on x86-64, NEON on ARM), without a per-pixel branch.
typedef uint8_t Bytes16 __attribute__((vector_size(16)));

void CopyRowKeyed(uint8_t* target, const uint8_t* source, int count, uint8_t key)
{
    // Most rows of the game's art are solid; memchr finds that faster than any blend.
    if (!std::memchr(source, key, static_cast<size_t>(count))) {
        std::memcpy(target, source, static_cast<size_t>(count));
        return;
    }
    Bytes16 keys;
    std::memset(&keys, key, sizeof keys);
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        Bytes16 from, to;
        std::memcpy(&from, source + i, sizeof from);
        std::memcpy(&to, target + i, sizeof to);
        Bytes16 transparent = (Bytes16)(from == keys);
        to = (to & transparent) | (from & ~transparent);
        std::memcpy(target + i, &to, sizeof to);
    }
    for (; i < count; ++i)
        if (source[i] != key)
            target[i] = source[i];
}

// Cuts one axis of the destination to 0 .. limit and the source by as much,
// so the picture is clipped, never stretched.
void ClipAxis(long long& low, long long& high, long long& sourceLow, long long& sourceHigh, int limit)
{
    if (low < 0) {
        sourceLow -= low;
        low = 0;
    }
    if (high > limit) {
        sourceHigh -= high - limit;
        high = limit;
    }
}

} // namespace

int lrBlitGraphic(lrGraphic graphic, int sourceX, int sourceY, int width, int height, int destX, int destY)
{
    const int screenWidth = gLrDisplay.screenWidth;
    const int screenHeight = gLrDisplay.screenHeight;

    // 64-bit edges: positions near the int limits must not wrap into the screen.
    long long top = destY, bottom = static_cast<long long>(destY) + height;
    long long left = destX, right = static_cast<long long>(destX) + width;
    if (top >= screenHeight || bottom <= 0 || left >= screenWidth || right <= 0)
        return 1;

    if (!graphic) {
        lrReportResult(lrResultInvalidObject);
        return 0;
    }

    long long sourceTop = sourceY, sourceBottom = static_cast<long long>(sourceY) + height;
    long long sourceLeft = sourceX, sourceRight = static_cast<long long>(sourceX) + width;
    ClipAxis(top, bottom, sourceTop, sourceBottom, screenHeight);
    ClipAxis(left, right, sourceLeft, sourceRight, screenWidth);

    // Only reachable with no screen at all or a negative size: nothing to draw.
    if (bottom <= top || right <= left)
        return 1;
    if (sourceLeft < 0 || sourceTop < 0 || sourceRight > graphic->width || sourceBottom > graphic->height) {
        lrReportResult(lrResultInvalidRect);
        return 0;
    }

    const int rows = static_cast<int>(sourceBottom - sourceTop);
    const int columns = static_cast<int>(sourceRight - sourceLeft);
    const uint8_t* source = graphic->pixels.data() + sourceTop * graphic->width + sourceLeft;
    uint8_t* target = gLrDisplay.backBuffer.data() + top * screenWidth + left;
    const int key = gLrDisplay.colorKey;

    for (int row = 0; row < rows; ++row) {
        if (key >= 0 && key <= 255)
            CopyRowKeyed(target, source, columns, static_cast<uint8_t>(key));
        else
            std::memcpy(target, source, static_cast<size_t>(columns));
        source += graphic->width;
        target += screenWidth;
    }
    return 1;
}
