// Off-screen graphics: creating, releasing and filling them with 8-bit pixel rows.
#include "lrDisplay.h"
#include "lrDisplayState.h"
#include "lrResultCodes.h"
#include "lrSurface.h"

#include <cstddef>
#include <cstring>
#include <new>

namespace {

// A graphic larger than this is a corrupt size from a file, never real art.
constexpr long long kLargestGraphicBytes = 64LL * 1024 * 1024;

} // namespace

int lrCreateGraphic(lrGraphic* graphic, int width, int height, int flags)
{
    // The memory placement flags chose between video and system memory; every
    // graphic here lives in system memory, so they are accepted and ignored.
    if (!graphic)
        return 0;
    *graphic = nullptr;
    // Graphics belong to a display; one asked for before it exists (or after it
    // is gone) is refused rather than left to outlive the rules it was made under.
    if (!gLrDisplay.live) {
        lrReportResult(lrResultInvalidObject);
        return 0;
    }
    if (width <= 0 || height <= 0) {
        lrReportResult(lrResultInvalidParams);
        return 0;
    }
    if (static_cast<long long>(width) * height > kLargestGraphicBytes) {
        lrReportResult(lrResultOutOfMemory);
        return 0;
    }
    lrSurface* surface = new (std::nothrow) lrSurface;
    if (!surface) {
        lrReportResult(lrResultOutOfMemory);
        return 0;
    }
    surface->width = width;
    surface->height = height;
    try {
        surface->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        delete surface;
        lrReportResult(lrResultOutOfMemory);
        return 0;
    }
    *graphic = surface;
    return 1;
}

int lrDestroyGraphic(lrGraphic graphic)
{
    if (!graphic)
        return 0;
    delete graphic;
    return 1;
}

int lrCopyToGraphic(lrGraphic graphic, int x, int y, const uint8_t* pixels, int width, int height, int pitch)
{
    if (!graphic) {
        lrReportResult(lrResultInvalidObject);
        return 0;
    }
    if (width == 0 || height == 0)
        return 1;
    // The device wrote wherever the numbers pointed; a block that does not fit
    // the graphic is refused whole instead of spilling into other memory.
    bool fits = pixels && width > 0 && height > 0 && x >= 0 && y >= 0
        && width <= graphic->width - x && height <= graphic->height - y;
    if (!fits) {
        lrReportResult(lrResultInvalidRect);
        return 0;
    }
    // The pitch may be negative: bottom-up rows are copied by starting at the last one.
    for (int row = 0; row < height; ++row) {
        const uint8_t* source = pixels + static_cast<ptrdiff_t>(row) * pitch;
        uint8_t* target = graphic->pixels.data() + static_cast<size_t>(y + row) * graphic->width + x;
        std::memcpy(target, source, static_cast<size_t>(width));
    }
    return 1;
}

int lrGetGraphicWidth(lrGraphic graphic)
{
    return graphic ? graphic->width : 0;
}

int lrGetGraphicHeight(lrGraphic graphic)
{
    return graphic ? graphic->height : 0;
}

const uint8_t* lrGetGraphicPixels(lrGraphic graphic)
{
    return graphic ? graphic->pixels.data() : nullptr;
}
