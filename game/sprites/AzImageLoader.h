// Reads 8-bit uncompressed bottom-up Windows bitmaps from the media directory.
#pragma once

#include <string>

class AzMemoryImage;

// When false, GetNew stays silent about files it cannot open; the numbered-bitmap
// alphabet turns it off while it probes for optional glyph files.
extern bool azLogFileErrors;

class AzImageLoader {
public:
    // Widths and heights beyond this are taken for a damaged file.
    static constexpr int kMaxSide = 8192;

    // A new image owned by the caller, or null after a line in the game log.
    static AzMemoryImage* GetNew(const std::string& name);
    // Reads the bitmap in the loader's file slot.
    static AzMemoryImage* GetDIB();
};
