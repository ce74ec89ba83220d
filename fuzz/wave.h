// Shared by the WAVE and AIFF fuzz targets: bytes written as a media file, then loaded as a sound.
#pragma once

#include "VlSound.h"
#include "mediafolder.h"

#include <cstdint>
#include <cstdlib>

namespace soundfuzz {

inline void LoadAsSound(const uint8_t* data, size_t size, const char* inputName)
{
    fuzzmedia::WriteFile(inputName, data, size);
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
