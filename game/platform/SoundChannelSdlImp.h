// The sound channel over the host's audio device (named for the SDL build it was made for;
// headless runs use it unchanged over their own device).
#pragma once

#include "VlSoundChannel.h"

namespace Vl {

class SoundChannelSdlImp : public SoundChannel {
public:
    SoundChannelSdlImp();
    ~SoundChannelSdlImp() override;

    VlResult Play(Sound* sound, bool loop) override;
    VlResult Stop() override;
    VlResult Resume() override;
    VlResult Pause() override;
    bool IsPlaying() override;
    VlResult Update() override;
    bool IsLooping();

private:
    // The device the lane and voice were made on, or null when it has since
    // been stopped (or restarted), which took them with it.
    AudioDevice* OwningDevice();
    void ReleaseVoice();
    bool ReadStatus(bool* playing, bool* looping);

    AudioDevice* mDevice = nullptr;
    uint32_t mGeneration = 0;
    int mLane = -1;
    AudioVoice mVoice = 0;
};

} // namespace Vl
