// Sounds: WAVE and AIFF files from the media directory, held whole in memory as PCM samples.
#pragma once

#include "VlBase.h"
#include "VlFile.h"

#include <cstdint>
#include <string>

constexpr VlResult ErrFileUnsupported = VlFourCC("Funs"); // not a sound type we read, or a compressed AIFF
constexpr VlResult ErrFileBadData = VlFourCC("Fifd");     // not the expected container, or samples we cannot describe

namespace Vl {

// The 18-byte PCM wave format description, field for field.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
};

class Sound : public Base {
public:
    virtual VlResult Load() = 0;
    virtual VlResult Unload() = 0;
    virtual bool IsLoaded() = 0;
    // False when not loaded. The samples stay owned by the sound: 8-bit
    // unsigned, wider ones signed little-endian, interleaved.
    virtual bool GetData(WaveFormat* format, uint32_t* size, const uint8_t** data) = 0;
    // The file's name without its folder, as it was when the sound was made.
    virtual const std::string& GetName() = 0;

protected:
    Sound();
};

} // namespace Vl

// On success *sound holds a new unloaded sound (count 1) that keeps its own reference to the file.
VlResult VlSoundCreate(Vl::Sound** sound, Vl::File* file);

namespace Vlu {
// Makes and loads a sound from a media file name; the loader every screen uses.
// When only the load fails, *sound still holds the unloaded sound for the caller to release.
VlResult SoundCreateAndLoad(Vl::Sound** sound, const std::string& name);
}
