// Feeds arbitrary bytes to the bitmap loader through a real media file.
#include "AzImageLoader.h"
#include "AzMemoryImage.h"
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
    std::remove((sFolder + "/input.bmp").c_str());
    rmdir(sFolder.c_str());
}

// One media folder per fuzzing process; every input overwrites the same file in it.
const std::string& MediaFolder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/skyrun-fuzz-bmp-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        sFolder = made;
        std::atexit(RemoveMediaFolder);
        VlSetMediaPath(sFolder);
        return sFolder;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = MediaFolder() + "/input.bmp";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);

    std::unique_ptr<AzMemoryImage> image(AzImageLoader::GetNew("input.bmp"));
    if (image) {
        // Touch every pixel so a short allocation would show.
        volatile uint8_t sum = 0;
        const size_t count = static_cast<size_t>(image->GetWidth()) * image->GetHeight();
        for (size_t i = 0; i < count; ++i) sum = sum + image->GetPixels()[i];
    }
    return 0;
}
