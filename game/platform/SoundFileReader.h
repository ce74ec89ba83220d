// The WAVE and AIFF readers behind Vl::SoundImp::Load.
#pragma once

#include "VlFile.h"

#include <cstdint>
#include <memory>

namespace Vl {

struct SoundFileContents {
    uint16_t channels = 0;
    uint16_t bitsPerSample = 0;
    double sampleRate = 0.0;
    std::unique_ptr<uint8_t[]> data;
    uint32_t size = 0;
};

// Opens the file, picks the reader by the file's extension, closes the file.
// On failure the contents are empty and the code is the reader's.
VlResult ReadSoundFile(File& file, SoundFileContents& contents);

// The readers themselves, on a file already open and positioned at its start.
VlResult ReadWave(File& file, SoundFileContents& contents);
VlResult ReadAiff(File& file, SoundFileContents& contents);

} // namespace Vl
