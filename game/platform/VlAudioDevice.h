// The sound output the channels play through: lanes that each play one voice,
// voices that each hold a private copy of one sound's samples.
#pragma once

#include <cstdint>
#include <string>

namespace Vl {

// What a device call answers. Each failure has its own "####CHECKERROR: " text
// (VlSoundCheckError.h), kept from the sound device the game was written for.
enum class AudioResult {
    Ok,
    Generic,
    Unsupported,
    NoInterface,
    NoAggregation,
    OutOfMemory,
    InvalidParam,
    Allocated,
    ControlUnavailable,
    InvalidCall,
    PriorityLevelNeeded,
    BadFormat,
    NoDriver,
    AlreadyInitialized,
    BufferLost,
    OtherApplicationHasPriority,
    Uninitialized,
    Unknown, // a failure without a text of its own
};

// Interleaved PCM: 8-bit samples unsigned, wider ones signed little-endian.
struct PcmFormat {
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint16_t bitsPerSample = 0;
};

using AudioVoice = uint32_t; // 0 is never a voice

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Opening an open device answers Ok.
    virtual AudioResult Open() = 0;
    // Silences every lane and frees every voice and lane.
    virtual void Close() = 0;

    // A lane is one mixer channel, held by one sound channel for its whole life.
    virtual AudioResult AcquireLane(int* lane) = 0;
    virtual void ReleaseLane(int lane) = 0;

    // Copies the samples (converting them for the device as needed); the
    // label names the sound in logs and test records.
    virtual AudioResult CreateVoice(const PcmFormat& format, const uint8_t* samples, uint32_t size,
                                    const std::string& label, AudioVoice* voice) = 0;
    // Silences the voice wherever it plays, then frees it.
    virtual void DestroyVoice(AudioVoice voice) = 0;

    // Starts the voice from its beginning on the lane, cutting off what the lane played.
    virtual AudioResult Play(int lane, AudioVoice voice, bool loop) = 0;
    virtual AudioResult Stop(int lane) = 0;
    virtual AudioResult GetStatus(int lane, bool* playing, bool* looping) = 0;
};

} // namespace Vl
