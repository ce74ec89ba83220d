// WAVE and AIFF reading through the platform file, bounded by the file's length.
#include "SoundFileReader.h"

#include "VlLog.h"
#include "VlSound.h"

#include <cstring>
#include <limits>
#include <new>

namespace Vl {

namespace {

uint16_t Little16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Little32(const uint8_t* p) { return Little16(p) | (static_cast<uint32_t>(Little16(p + 2)) << 16); }
uint16_t Big16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }
uint32_t Big32(const uint8_t* p) { return (static_cast<uint32_t>(Big16(p)) << 16) | Big16(p + 2); }

bool TagIs(const uint8_t* p, const char (&tag)[5]) { return std::memcmp(p, tag, 4) == 0; }

// Bytes between the read position and the end of the file.
VlResult BytesLeft(File& file, uint32_t* left)
{
    uint32_t length = 0;
    uint32_t position = 0;
    VlResult result = file.GetLength(&length);
    if (result == VlOk)
        result = file.GetPosition(&position);
    if (result != VlOk)
        return result;
    *left = position <= length ? length - position : 0;
    return VlOk;
}

// Reads chunk headers from the current position, skipping each body by its
// stored size (no pad byte), until the wanted one; leaves the position just
// after its header. A chunk claiming more bytes than the file has left ends
// the walk with the end-of-file answer the read past it would have given, so
// a hostile size can neither seek backwards into a loop nor over-read.
VlResult FindChunk(File& file, const char (&wanted)[5], bool bigEndian, uint32_t* size)
{
    for (;;) {
        uint8_t header[8];
        VlResult result = file.Read(header, sizeof header);
        if (result != VlOk)
            return result;
        const uint32_t chunkSize = bigEndian ? Big32(header + 4) : Little32(header + 4);
        if (TagIs(header, wanted)) {
            *size = chunkSize;
            return VlOk;
        }
        uint32_t left = 0;
        result = BytesLeft(file, &left);
        if (result != VlOk)
            return result;
        if (chunkSize > left)
            return ErrFileEOF;
        if (chunkSize > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
            return ErrFilePosition;
        result = file.Seek(static_cast<int32_t>(chunkSize), kF_FromCurrent);
        if (result != VlOk)
            return result;
    }
}

// Finds the wanted chunk, then reads count bytes from the start of its header.
VlResult ReadChunkStart(File& file, const char (&wanted)[5], bool bigEndian, uint8_t* bytes, uint32_t count)
{
    uint32_t size = 0;
    VlResult result = FindChunk(file, wanted, bigEndian, &size);
    if (result == VlOk)
        result = file.Seek(-8, kF_FromCurrent);
    if (result == VlOk)
        result = file.Read(bytes, count);
    return result;
}

// Samples we can describe to a device: at least one channel, whole bytes per sample,
// and a frame (one sample of every channel) that the 16-bit block alignment can hold.
bool IsPlayableLayout(uint16_t channels, uint16_t bitsPerSample)
{
    return channels != 0 && bitsPerSample != 0 && bitsPerSample % 8 == 0 &&
           uint32_t{channels} * bitsPerSample / 8u <= 0xFFFFu;
}

VlResult ReadSampleData(File& file, uint32_t size, SoundFileContents& contents)
{
    contents.size = size;
    uint32_t left = 0;
    VlResult result = BytesLeft(file, &left);
    if (result != VlOk)
        return result;
    // The read would stop at the end of the file anyway; refusing first keeps
    // a hostile size from allocating gigabytes.
    if (size > left)
        return ErrFileEOF;
    contents.data.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
    if (!contents.data)
        return ErrMemFull;
    return file.Read(contents.data.get(), size);
}

void Reset(SoundFileContents& contents)
{
    contents = SoundFileContents();
}

// Only the three rates the game's sounds use are recognised, by the sign and
// exponent word and the top word of the mantissa.
double AiffSampleRate(const uint8_t* extended)
{
    const uint16_t signExponent = Big16(extended);
    const uint16_t mantissaTop = Big16(extended + 2);
    if (mantissaTop == 0xAC44) {
        if (signExponent == 0x400C)
            return 11025.0;
        if (signExponent == 0x400D)
            return 22050.0;
        if (signExponent == 0x400E)
            return 44100.0;
    }
    PlatformLog() << "Vl::Sound does not currently support this Aiff sampleRate" << std::flush;
    return 44100.0;
}

void ConvertAiffSamples(SoundFileContents& contents)
{
    uint8_t* data = contents.data.get();
    if (contents.bitsPerSample == 8) {
        for (uint32_t i = 0; i < contents.size; ++i)
            data[i] = static_cast<uint8_t>(data[i] + 128);
    } else if (contents.bitsPerSample == 16) {
        for (uint32_t i = 0; i + 1 < contents.size; i += 2) {
            const uint8_t high = data[i];
            data[i] = data[i + 1];
            data[i + 1] = high;
        }
    }
}

VlResult ReadWaveBody(File& file, SoundFileContents& contents)
{
    uint8_t header[12];
    VlResult result = file.Read(header, sizeof header);
    if (result != VlOk)
        return result;
    if (!TagIs(header, "RIFF") || !TagIs(header + 8, "WAVE"))
        return ErrFileBadData;

    uint32_t chunkSize = 0;
    result = FindChunk(file, "fmt ", false, &chunkSize);
    if (result != VlOk)
        return result;
    // Only the first 16 bytes are read, and the search for "data" goes on
    // from there: a longer "fmt " chunk makes the next header read early.
    uint8_t format[16];
    result = file.Read(format, sizeof format);
    if (result != VlOk)
        return result;
    contents.channels = Little16(format + 2);
    contents.sampleRate = Little32(format + 4);
    contents.bitsPerSample = Little16(format + 14);
    if (!IsPlayableLayout(contents.channels, contents.bitsPerSample) || contents.sampleRate == 0)
        return ErrFileBadData;

    uint8_t dataHeader[8];
    result = ReadChunkStart(file, "data", false, dataHeader, sizeof dataHeader);
    if (result != VlOk)
        return result;
    return ReadSampleData(file, Little32(dataHeader + 4), contents);
}

VlResult ReadAiffBody(File& file, SoundFileContents& contents)
{
    uint8_t header[12];
    VlResult result = file.Read(header, sizeof header);
    if (result != VlOk)
        return result;
    if (!TagIs(header, "FORM"))
        return ErrFileBadData;
    if (TagIs(header + 8, "AIFC"))
        return ErrFileUnsupported;
    if (!TagIs(header + 8, "AIFF"))
        return ErrFileBadData;

    uint8_t common[26];
    result = ReadChunkStart(file, "COMM", true, common, sizeof common);
    if (result != VlOk)
        return result;
    contents.channels = Big16(common + 8);
    contents.bitsPerSample = Big16(common + 14);
    contents.sampleRate = AiffSampleRate(common + 16);
    if (!IsPlayableLayout(contents.channels, contents.bitsPerSample))
        return ErrFileBadData;

    uint8_t soundHeader[16];
    result = file.Seek(12, kF_FromStart);
    if (result == VlOk)
        result = ReadChunkStart(file, "SSND", true, soundHeader, sizeof soundHeader);
    if (result != VlOk)
        return result;
    // The size counts the offset and block-size fields before the samples.
    const uint32_t soundSize = Big32(soundHeader + 4);
    if (soundSize < 8)
        return ErrFileBadData;
    result = ReadSampleData(file, soundSize - 8, contents);
    if (result != VlOk)
        return result;
    ConvertAiffSamples(contents);
    return VlOk;
}

// Every reader starts from empty contents and leaves nothing behind when it fails.
VlResult ReadWith(VlResult (*body)(File&, SoundFileContents&), File& file, SoundFileContents& contents)
{
    Reset(contents);
    const VlResult result = body(file, contents);
    if (result != VlOk)
        Reset(contents);
    return result;
}

bool ExtensionIs(const std::string& extension, const char* a, const char* b)
{
    return extension == a || extension == b;
}

} // namespace

VlResult ReadWave(File& file, SoundFileContents& contents)
{
    return ReadWith(ReadWaveBody, file, contents);
}

VlResult ReadAiff(File& file, SoundFileContents& contents)
{
    return ReadWith(ReadAiffBody, file, contents);
}

VlResult ReadSoundFile(File& file, SoundFileContents& contents)
{
    Reset(contents);
    VlResult result = file.Open(kF_Read);
    if (result != VlOk)
        return VlReportError(result);

    std::string extension;
    file.GetExtension(extension);
    if (ExtensionIs(extension, "AIF", "AIFF")) {
        result = ReadAiff(file, contents);
    } else if (ExtensionIs(extension, "WAV", "WAVE")) {
        result = ReadWave(file, contents);
    } else {
        file.Close();
        return VlReportError(ErrFileUnsupported);
    }
    file.Close();
    return VlReportError(result);
}

} // namespace Vl
