// Feeds arbitrary bytes to the palette loader, read both as a bitmap and as a RIFF palette.
#include "AzMemoryPalette.h"
#include "AzPaletteLoader.h"
#include "mediafolder.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* name : {"input.pal", "input.bmp"}) {
        fuzzmedia::WriteFile(name, data, size);
        std::unique_ptr<AzMemoryPalette> palette(AzPaletteLoader::GetNew(name));
    }
    return 0;
}
