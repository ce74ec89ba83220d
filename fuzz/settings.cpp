// Feeds arbitrary bytes to the settings reader as a "gl.config" file.
#include "GlSettings.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/fuzz-settings-" + std::to_string(getpid()) + ".config";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ResetSettings();
    LoadSettings(path);
    // Every path the reader keeps must fit the media folder's limit.
    if (Settings().MediaPath.size() > 254)
        __builtin_trap();
    return 0;
}
