// Reading the bitmap file and information headers.
#include "AzBitmapHeader.h"

#include "AzByteCursor.h"
#include "AzFileSlot.h"

bool AzBitmapHeader::Read(AzFileSlot& slot)
{
    uint8_t bytes[kFileHeaderBytes + kInfoHeaderBytes];
    if (!slot.ReadExact(bytes, sizeof bytes)) return false;

    AzByteCursor in(bytes, sizeof bytes);
    uint32_t infoSize;
    uint32_t horizontalResolution;
    uint32_t verticalResolution;
    const bool complete = in.Skip(kFileHeaderBytes) && in.ReadU32(infoSize) && in.ReadI32(width) &&
                          in.ReadI32(height) && in.ReadU16(planes) && in.ReadU16(bitsPerPixel) &&
                          in.ReadU32(compression) && in.ReadU32(imageSize) && in.ReadU32(horizontalResolution) &&
                          in.ReadU32(verticalResolution) && in.ReadU32(colorsUsed);
    if (!complete) return false;
    if (colorsUsed == 0 && bitsPerPixel <= 8) colorsUsed = 1u << bitsPerPixel;
    return true;
}
