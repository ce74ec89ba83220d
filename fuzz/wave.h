// Shared by the WAVE and AIFF fuzz targets: bytes written as a media file, then loaded as a sound.
#pragma once

#include "VlFile.h"
#include "VlSound.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace soundfuzz {

inline std::string& Folder()
{
    static std::string folder;
    return folder;
}

inline std::string& InputName()
{
    static std::string name;
    return name;
}

inline void RemoveFolder()
{
    std::remove((Folder() + "/" + InputName()).c_str());
    rmdir(Folder().c_str());
}

// One media folder per fuzzing process; every input overwrites the same file in it.
inline void LoadAsSound(const uint8_t* data, size_t size, const char* inputName)
{
    if (Folder().empty()) {
        char pattern[] = "/tmp/skyrun-fuzz-sound-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        Folder() = made;
        InputName() = inputName;
        std::atexit(RemoveFolder);
        VlSetMediaPath(Folder());
    }
    FILE* file = std::fopen((Folder() + "/" + inputName).c_str(), "wb");
    if (!file)
        return;
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);

    Vl::Sound* sound = nullptr;
    if (Vlu::SoundCreateAndLoad(&sound, inputName) == VlOk) {
        Vl::WaveFormat format;
        uint32_t length = 0;
        const uint8_t* samples = nullptr;
        if (!sound->GetData(&format, &length, &samples))
            std::abort();
        // Touch every sample so a short allocation would show.
        volatile uint32_t sum = 0;
        for (uint32_t i = 0; i < length; ++i)
            sum = sum + samples[i];
    }
    if (sound)
        sound->Release();
}

} // namespace soundfuzz
