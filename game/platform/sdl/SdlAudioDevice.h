// The audio device over SDL_mixer: one mixer channel per lane, voices as mixer chunks in the device's format.
#pragma once

#include "VlAudioDevice.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct Mix_Chunk;

namespace Vl {

class SdlAudioDevice : public AudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    AudioResult Open() override;
    void Close() override;
    AudioResult AcquireLane(int* lane) override;
    void ReleaseLane(int lane) override;
    AudioResult CreateVoice(const PcmFormat& format, const uint8_t* samples, uint32_t size,
                            const std::string& label, AudioVoice* voice) override;
    void DestroyVoice(AudioVoice voice) override;
    AudioResult Play(int lane, AudioVoice voice, bool loop) override;
    // Fades the lane out over kFadeMs instead of cutting the wave (a click);
    // the lane answers not playing at once.
    AudioResult Stop(int lane) override;
    AudioResult GetStatus(int lane, bool* playing, bool* looping) override;

    static constexpr int kFadeMs = 20;

    // What the mixer runs on a stopped lane: a straight ramp to silence.
    struct LaneFade {
        int totalFrames = 1;
        int remainingFrames = 0;
        int channels = 2;
        uint16_t format = 0;
    };

private:
    struct Voice {
        std::vector<uint8_t> samples; // converted; the chunk points into it
        Mix_Chunk* chunk = nullptr;   // null for a sound without samples
    };
    struct Lane {
        bool held = false;
        AudioVoice voice = 0;
        bool loop = false;
        bool stopped = false; // fading out after Stop
    };
    // A voice destroyed while its lane fades out: freed once the fade is over.
    struct Retired {
        int lane;
        Voice voice;
    };

    bool IsHeld(int lane) const;
    void FreeFinishedFades();

    bool mOpen = false;
    int mFrequency = 0;
    uint16_t mFormat = 0;
    int mChannels = 0;
    AudioVoice mNextVoice = 1;
    std::map<AudioVoice, Voice> mVoices;
    std::vector<Lane> mLanes;
    std::vector<Retired> mRetired;
    std::vector<std::unique_ptr<LaneFade>> mFades; // by lane; the mixer reads them while a fade runs
};

} // namespace Vl
