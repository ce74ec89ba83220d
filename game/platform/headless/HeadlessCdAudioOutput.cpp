// Track lengths from the files' headers, time from the host clock.
#include "HeadlessCdAudioOutput.h"

#include "VlHost.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace Vl {

namespace {

std::string LowerExtension(const std::string& path)
{
    const size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

uint32_t Little32(const uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool OggLengthMs(const std::string& path, uint32_t* lengthMs)
{
    OggVorbis_File vorbis;
    if (ov_fopen(path.c_str(), &vorbis) != 0)
        return false;
    const double seconds = ov_time_total(&vorbis, -1);
    ov_clear(&vorbis);
    if (seconds < 0 || seconds > 24 * 3600)
        return false;
    *lengthMs = static_cast<uint32_t>(seconds * 1000.0);
    return true;
}

// Walks the RIFF chunks for the byte rate of "fmt " and the size of "data".
bool WaveLengthMs(const std::string& path, uint32_t* lengthMs)
{
    std::ifstream file(path, std::ios::binary);
    uint8_t header[12];
    if (!file.read(reinterpret_cast<char*>(header), sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0)
        return false;
    uint32_t byteRate = 0;
    for (int chunks = 0; chunks < 64; ++chunks) {
        uint8_t chunk[8];
        if (!file.read(reinterpret_cast<char*>(chunk), sizeof chunk))
            return false;
        const uint32_t size = Little32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            uint8_t format[16];
            if (!file.read(reinterpret_cast<char*>(format), sizeof format))
                return false;
            byteRate = Little32(format + 8);
            file.seekg(size - 16 + (size & 1), std::ios::cur);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (byteRate == 0)
                return false;
            *lengthMs = static_cast<uint32_t>(static_cast<uint64_t>(size) * 1000 / byteRate);
            return true;
        } else {
            file.seekg(static_cast<std::streamoff>(size) + (size & 1), std::ios::cur);
        }
    }
    return false;
}

} // namespace

bool HeadlessCdAudioOutput::TrackLengthMs(const std::string& path, uint32_t* lengthMs)
{
    const std::string extension = LowerExtension(path);
    if (extension == "ogg")
        return OggLengthMs(path, lengthMs);
    if (extension == "wav")
        return WaveLengthMs(path, lengthMs);
    if (extension == "flac") {
        if (!std::ifstream(path, std::ios::binary))
            return false;
        *lengthMs = kFlacLengthMs;
        return true;
    }
    return false;
}

uint32_t HeadlessCdAudioOutput::Now()
{
    Clock* clock = GetHost().clock;
    return clock ? clock->Milliseconds() : 0;
}

bool HeadlessCdAudioOutput::Play(const std::string& path, uint32_t fromMs, uint32_t toMs)
{
    mStarted = false;
    uint32_t length = 0;
    if (!TrackLengthMs(path, &length))
        return false;
    mStarted = true;
    mStartMs = Now();
    mFromMs = fromMs;
    mToMs = toMs;
    mLengthMs = length;
    mPlays.push_back(PlayRecord{path, fromMs, toMs, mStartMs});
    return true;
}

void HeadlessCdAudioOutput::Stop()
{
    if (mStarted) {
        const uint32_t position = PositionMs();
        mStarted = false;
        mFromMs = position;
    }
}

uint32_t HeadlessCdAudioOutput::EndMs() const
{
    return std::min(mToMs, mLengthMs);
}

uint32_t HeadlessCdAudioOutput::PositionMs()
{
    if (!mStarted)
        return mFromMs;
    const uint64_t position = static_cast<uint64_t>(mFromMs) + (Now() - mStartMs);
    return static_cast<uint32_t>(std::min<uint64_t>(position, std::max(EndMs(), mFromMs)));
}

bool HeadlessCdAudioOutput::IsPlaying()
{
    return mStarted && PositionMs() < EndMs();
}

} // namespace Vl
