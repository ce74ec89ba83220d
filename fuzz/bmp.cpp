// Feeds arbitrary bytes to the bitmap loader through a real media file.
#include "AzImageLoader.h"
#include "AzMemoryImage.h"
#include "mediafolder.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::WriteFile("input.bmp", data, size);
    std::unique_ptr<AzMemoryImage> image(AzImageLoader::GetNew("input.bmp"));
    if (image) {
        // Touch every pixel so a short allocation would show.
        volatile uint8_t sum = 0;
        const size_t count = static_cast<size_t>(image->GetWidth()) * image->GetHeight();
        for (size_t i = 0; i < count; ++i) sum = sum + image->GetPixels()[i];
    }
    return 0;
}
