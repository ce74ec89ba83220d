// Reads 256-colour palettes: a bitmap's colour table or a RIFF palette file.
#pragma once

#include <string>

class AzMemoryPalette;

class AzPaletteLoader {
public:
    // A new palette owned by the caller, or null after a line in the game log.
    // "BMP" and "DIB" files give their colour table; any other extension is read as RIFF.
    static AzMemoryPalette* GetNew(const std::string& name);
    // Both read the file in the loader's slot.
    static AzMemoryPalette* GetDIBPalette();
    static AzMemoryPalette* GetRIFFPalette();
};
