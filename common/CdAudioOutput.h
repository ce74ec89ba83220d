// Where the virtual CD drive sends its tracks: one audio file at a time, between two positions.
#pragma once

#include <cstdint>
#include <string>

class CdAudioOutput {
public:
    static constexpr uint32_t kToEnd = 0xFFFFFFFFu;

    virtual ~CdAudioOutput() = default;
    // Starts the file at fromMs and ends at toMs (kToEnd: the end of the
    // file), replacing what played. False when the file cannot be played.
    virtual bool Play(const std::string& path, uint32_t fromMs, uint32_t toMs) = 0;
    virtual void Stop() = 0;
    // False once stopped or once the end position is reached.
    virtual bool IsPlaying() = 0;
    // Milliseconds from the start of the file being played.
    virtual uint32_t PositionMs() = 0;
};
