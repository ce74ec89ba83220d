// An audio device without sound: a voice plays for its length on the host's
// clock, and every play is recorded, so tests can ask what was heard and when.
#pragma once

#include "VlAudioDevice.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Vl {

class HeadlessAudioDevice : public AudioDevice {
public:
    struct PlayRecord {
        std::string label; // the sound's file name
        int lane = -1;
        bool loop = false;
        uint32_t startMs = 0;
        uint32_t lengthMs = 0;
    };

    AudioResult Open() override;
    void Close() override;
    AudioResult AcquireLane(int* lane) override;
    void ReleaseLane(int lane) override;
    AudioResult CreateVoice(const PcmFormat& format, const uint8_t* samples, uint32_t size,
                            const std::string& label, AudioVoice* voice) override;
    void DestroyVoice(AudioVoice voice) override;
    AudioResult Play(int lane, AudioVoice voice, bool loop) override;
    AudioResult Stop(int lane) override;
    AudioResult GetStatus(int lane, bool* playing, bool* looping) override;

    // Failures to stage: Open answers openResult; CreateVoice answers voiceResult.
    void SetOpenResult(AudioResult result) { mOpenResult = result; }
    void SetVoiceResult(AudioResult result) { mVoiceResult = result; }

    bool IsOpen() const { return mOpen; }
    const std::vector<PlayRecord>& Plays() const { return mPlays; }
    void ClearPlays() { mPlays.clear(); }
    // The labels of the voices sounding now, by lane.
    std::vector<std::string> SoundingNow();
    size_t VoiceCount() const { return mVoices.size(); }

private:
    struct Voice {
        std::string label;
        uint32_t lengthMs = 0;
    };
    struct Lane {
        bool held = false;
        AudioVoice voice = 0;
        bool loop = false;
        bool started = false;
        uint32_t startMs = 0;
        uint32_t lengthMs = 0;
    };

    static uint32_t Now();
    bool IsSounding(const Lane& lane) const;
    Lane* FindLane(int lane);

    AudioResult mOpenResult = AudioResult::Ok;
    AudioResult mVoiceResult = AudioResult::Ok;
    bool mOpen = false;
    AudioVoice mNextVoice = 1;
    std::map<AudioVoice, Voice> mVoices;
    std::vector<Lane> mLanes;
    std::vector<PlayRecord> mPlays;
};

} // namespace Vl
