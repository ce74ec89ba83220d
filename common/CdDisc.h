// The disc in the virtual drive: the track files of a folder "cd" (any case) beside the program.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class CdDisc {
public:
    // Files named trackNN.ogg, .wav or .flac (any case) are the audio
    // tracks NN; track 1, the data track, normally has none. No folder or no
    // track files: no disc.
    static CdDisc Scan(const std::string& programFolder);

    bool IsPresent() const { return !mTracks.empty(); }
    // The highest track number with a file.
    uint32_t TrackCount() const;
    // The file of the track, or null when it has none.
    const std::string* TrackFile(uint32_t track) const;
    uint32_t FirstAudioTrack() const;

private:
    std::map<uint32_t, std::string> mTracks;
};
