// CD audio without sound: a track plays for its real length on the host's
// clock, and every play is recorded for tests.
#pragma once

#include "CdAudioOutput.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Vl {

class HeadlessCdAudioOutput : public CdAudioOutput {
public:
    // FLAC lengths are not read (no decoder headless): such tracks count as this long.
    static constexpr uint32_t kFlacLengthMs = 60000;

    struct PlayRecord {
        std::string path;
        uint32_t fromMs = 0;
        uint32_t toMs = 0;
        uint32_t startMs = 0;
    };

    bool Play(const std::string& path, uint32_t fromMs, uint32_t toMs) override;
    void Stop() override;
    bool IsPlaying() override;
    uint32_t PositionMs() override;

    const std::vector<PlayRecord>& Plays() const { return mPlays; }

    // The length of an .ogg (decoded header), .wav (data size over byte rate)
    // or .flac file; false when it cannot be read.
    static bool TrackLengthMs(const std::string& path, uint32_t* lengthMs);

private:
    static uint32_t Now();
    uint32_t EndMs() const;

    bool mStarted = false;
    uint32_t mStartMs = 0;
    uint32_t mFromMs = 0;
    uint32_t mToMs = 0;
    uint32_t mLengthMs = 0;
    std::vector<PlayRecord> mPlays;
};

} // namespace Vl
