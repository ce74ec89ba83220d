// One music stream at a time; the end of a range is enforced when the drive looks at it.
#include "SdlCdAudioOutput.h"

#include "SdlMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

SdlCdAudioOutput::~SdlCdAudioOutput()
{
    Stop();
    FinishFade();
    if (mMixerOpen)
        SdlMixer::Close();
}

void SdlCdAudioOutput::FinishFade()
{
    if (!mFading)
        return;
    // The mixer halts the music at the end of the fade, within a mixing buffer or two.
    for (int waited = 0; waited < 150 && Mix_PlayingMusic() && SdlMixer::MusicFading(); waited += 2)
        SDL_Delay(2);
    Mix_HaltMusic();
    Mix_FreeMusic(mFading);
    mFading = nullptr;
}

bool SdlCdAudioOutput::Play(const std::string& path, uint32_t fromMs, uint32_t toMs)
{
    Stop();
    FinishFade();
    if (!mMixerOpen)
        mMixerOpen = SdlMixer::Open();
    if (!mMixerOpen)
        return false;
    mMusic = Mix_LoadMUS(path.c_str());
    if (!mMusic)
        return false;
    if (Mix_PlayMusic(mMusic, 0) != 0) {
        Mix_FreeMusic(mMusic);
        mMusic = nullptr;
        return false;
    }
    if (fromMs > 0)
        Mix_SetMusicPosition(fromMs / 1000.0);
    mFromMs = fromMs;
    mToMs = toMs;
    mStartTicks = SDL_GetTicks();
    return true;
}

void SdlCdAudioOutput::Stop()
{
    if (!mMusic)
        return;
    mStoppedAtMs = PositionMs();
    FinishFade();
    if (Mix_PlayingMusic() && !Mix_PausedMusic() && SdlMixer::FadeOutMusic(kFadeMs)) {
        mFading = mMusic;
    } else {
        Mix_HaltMusic();
        Mix_FreeMusic(mMusic);
    }
    mMusic = nullptr;
}

uint32_t SdlCdAudioOutput::PositionMs()
{
    if (!mMusic)
        return mStoppedAtMs;
    const double seconds = Mix_GetMusicPosition(mMusic);
    // Codecs that cannot tell their position are counted by the clock.
    if (seconds < 0)
        return mFromMs + (SDL_GetTicks() - mStartTicks);
    return static_cast<uint32_t>(seconds * 1000.0);
}

bool SdlCdAudioOutput::IsPlaying()
{
    if (!mMusic || !Mix_PlayingMusic())
        return false;
    if (mToMs != kToEnd && PositionMs() >= mToMs) {
        Mix_HaltMusic();
        return false;
    }
    return true;
}

