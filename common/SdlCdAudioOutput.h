// CD tracks played as SDL_mixer music (Ogg, WAV or FLAC files).
#pragma once

#include "CdAudioOutput.h"

#include <cstdint>

typedef struct _Mix_Music Mix_Music;

class SdlCdAudioOutput : public CdAudioOutput {
public:
    SdlCdAudioOutput() = default;
    ~SdlCdAudioOutput() override;
    SdlCdAudioOutput(const SdlCdAudioOutput&) = delete;
    SdlCdAudioOutput& operator=(const SdlCdAudioOutput&) = delete;

    bool Play(const std::string& path, uint32_t fromMs, uint32_t toMs) override;
    // Fades the music out over kFadeMs rather than cutting it mid-wave; it
    // counts as stopped at once.
    void Stop() override;
    bool IsPlaying() override;
    uint32_t PositionMs() override;

    static constexpr int kFadeMs = 20;

private:
    // Frees the music that was fading out, waiting for the fade's last
    // milliseconds if it is still running.
    void FinishFade();

    bool mMixerOpen = false;
    Mix_Music* mMusic = nullptr;
    Mix_Music* mFading = nullptr;
    uint32_t mFromMs = 0;
    uint32_t mToMs = kToEnd;
    uint32_t mStartTicks = 0;
    uint32_t mStoppedAtMs = 0;
};

