// A media folder, a virtual clock and a headless audio device installed as the host, for one test.
#pragma once

#include "HeadlessAudioDevice.h"
#include "TempFolder.h"
#include "VirtualClock.h"
#include "VlFile.h"
#include "VlHost.h"
#include "VlLog.h"
#include "VlSound.h"
#include "VlSoundSystem.h"

#include <cstdint>
#include <string>
#include <vector>

class SoundWorld {
public:
    SoundWorld() : clock(1000)
    {
        VlResetPaths();
        VlSetMediaPath(media.Path());
        Vl::OpenLogs(media.Path());
        Vl::Host host;
        host.clock = &clock;
        host.audio = &device;
        Vl::SetHost(host);
    }
    ~SoundWorld()
    {
        VlSoundSystemStop();
        Vl::SetHost(Vl::Host());
        Vl::CloseLogs();
        VlResetPaths();
    }
    SoundWorld(const SoundWorld&) = delete;
    SoundWorld& operator=(const SoundWorld&) = delete;

    void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        media.Write(name, std::string(bytes.begin(), bytes.end()));
    }
    std::string PlatformLogText() const { return media.Read("VlLog"); }

    // Loads a media file; the sound (possibly unloaded) or null.
    Vl::Sound* Load(const std::string& name, VlResult* result = nullptr) const
    {
        Vl::Sound* sound = nullptr;
        const VlResult answer = Vlu::SoundCreateAndLoad(&sound, name);
        if (result)
            *result = answer;
        return sound;
    }

    TempFolder media;
    Vl::VirtualClock clock;
    Vl::HeadlessAudioDevice device;
};
