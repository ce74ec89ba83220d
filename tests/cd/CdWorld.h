// A program folder with a disc of WAVE tracks, a virtual clock as the host's, and the headless CD output.
#pragma once

#include "HeadlessCdAudioOutput.h"
#include "TempFolder.h"
#include "VirtualClock.h"
#include "VlHost.h"
#include "WaveWriter.h"

#include <string>

class CdWorld {
public:
    CdWorld() : clock(5000)
    {
        Vl::Host host;
        host.clock = &clock;
        Vl::SetHost(host);
    }
    ~CdWorld() { Vl::SetHost(Vl::Host()); }
    CdWorld(const CdWorld&) = delete;
    CdWorld& operator=(const CdWorld&) = delete;

    // A silent mono 8-bit track at 1000 samples a second: its length in ms is its byte count.
    void WriteTrack(const std::string& relativePath, uint32_t lengthMs) const
    {
        mediagen::PcmSound sound;
        sound.sampleRate = 1000;
        sound.bitsPerSample = 8;
        sound.samples.assign(lengthMs, 0);
        const std::vector<uint8_t> bytes = mediagen::EncodeWave(sound);
        folder.Write(relativePath, std::string(bytes.begin(), bytes.end()));
    }
    // Tracks 2, 3 and 4 of 2, 3 and 4 seconds, named in mixed case as a disc copied from elsewhere might be.
    void WriteStandardDisc() const
    {
        WriteTrack("CD/Track02.WAV", 2000);
        WriteTrack("CD/track03.wav", 3000);
        WriteTrack("CD/TRACK04.wav", 4000);
    }
    std::string TrackName(size_t play) const
    {
        const std::string& path = output.Plays().at(play).path;
        return path.substr(path.rfind('/') + 1);
    }

    TempFolder folder;
    Vl::VirtualClock clock;
    Vl::HeadlessCdAudioOutput output;
};
