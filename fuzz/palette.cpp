// Feeds arbitrary bytes to the palette loader, read both as a bitmap and as a RIFF palette.
#include "AzMemoryPalette.h"
#include "AzPaletteLoader.h"
#include "VlFile.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

std::string sFolder;

void RemoveMediaFolder()
{
    std::remove((sFolder + "/input.pal").c_str());
    std::remove((sFolder + "/input.bmp").c_str());
    rmdir(sFolder.c_str());
}

// One media folder per fuzzing process; every input overwrites the same files in it.
const std::string& MediaFolder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/skyrun-fuzz-palette-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        sFolder = made;
        std::atexit(RemoveMediaFolder);
        VlSetMediaPath(sFolder);
        return sFolder;
    }();
    return folder;
}

void Load(const std::string& name, const uint8_t* data, size_t size)
{
    const std::string path = MediaFolder() + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    std::unique_ptr<AzMemoryPalette> palette(AzPaletteLoader::GetNew(name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Load("input.pal", data, size);
    Load("input.bmp", data, size);
    return 0;
}
