// The two headers at the start of a Windows bitmap: the 14-byte file header
// (not used) and the 40-byte information header.
#pragma once

#include <cstdint>

class AzFileSlot;

struct AzBitmapHeader {
    static constexpr uint32_t kFileHeaderBytes = 14;
    static constexpr uint32_t kInfoHeaderBytes = 40;
    static constexpr uint32_t kCompressionNone = 0;
    static constexpr uint32_t kCompressionRle8 = 1;

    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    uint32_t colorsUsed = 0;

    // Reads both headers from the slot's current position; false when the file ends first.
    // A colours-used count of 0 becomes the full table of the bit depth, as Windows reads it.
    bool Read(AzFileSlot& slot);
};
