// Shared opening of SDL audio and SDL_mixer.
#include "SdlMixer.h"

#include "PeakLimiter.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {
int gOpenCount = 0;
int gFrequency = 0;
uint16_t gFormat = 0;
int gChannels = 0;
std::unique_ptr<PeakLimiter> gLimiter;

// The music fade: asked for by the game thread, run by the mixer thread.
std::atomic<int> gDipRequestFrames{0};
std::atomic<bool> gDipActive{false};
enum class Dip { None, Down, SilentRest, Up };
Dip gDip = Dip::None; // mixer thread only
int gDipFrames = 1;
int gDipPosition = 0;

void RunDip(float* samples, int frames, int channels)
{
    if (const int request = gDipRequestFrames.exchange(0); request > 0 && gDip == Dip::None) {
        gDip = Dip::Down;
        gDipFrames = request;
        gDipPosition = 0;
    }
    if (gDip == Dip::SilentRest)
        gDip = Dip::Up; // a new buffer: the halted music is no longer in it
    for (int frame = 0; frame < frames && gDip != Dip::None; ++frame) {
        float gain = 1.0f;
        if (gDip == Dip::Down) {
            gain = 1.0f - static_cast<float>(gDipPosition) / static_cast<float>(gDipFrames);
            if (++gDipPosition >= gDipFrames) {
                // The mixer's lock is held here and is recursive: halting is safe.
                Mix_HaltMusic();
                gDipActive = false;
                gDip = Dip::SilentRest;
                gDipPosition = 0;
            }
        } else if (gDip == Dip::SilentRest) {
            gain = 0.0f; // the rest of this buffer still holds the music
        } else {
            gain = static_cast<float>(gDipPosition) / static_cast<float>(gDipFrames);
            if (++gDipPosition >= gDipFrames)
                gDip = Dip::None;
        }
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(frame) * channels + c] *= gain;
    }
}

void SDLCALL LimitMix(void*, Uint8* stream, int length)
{
    if (!gLimiter || gChannels <= 0)
        return;
    float* samples = reinterpret_cast<float*>(stream);
    const int frames = length / static_cast<int>(sizeof(float)) / gChannels;
    RunDip(samples, frames, gChannels);
    gLimiter->Process(samples, frames, gChannels);
}
} // namespace

bool SdlMixer::Open()
{
    if (gOpenCount > 0) {
        ++gOpenCount;
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_OGG | MIX_INIT_FLAC);
    // Mixed in floating point: SDL sums the channels and the music without
    // clipping them, and the limiter turns a sum above full scale down
    // before the device gets it.
    if (Mix_OpenAudio(44100, AUDIO_F32SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    if (Mix_QuerySpec(&gFrequency, &gFormat, &gChannels) == 0) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    if (gFormat == AUDIO_F32SYS) {
        gLimiter = std::make_unique<PeakLimiter>(gFrequency);
        Mix_SetPostMix(LimitMix, nullptr);
    }
    gOpenCount = 1;
    return true;
}

void SdlMixer::Close()
{
    if (gOpenCount == 0 || --gOpenCount > 0)
        return;
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    gLimiter.reset();
    gDipActive = false;
    gDipRequestFrames = 0;
    gDip = Dip::None;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlMixer::Mute(bool mute)
{
    if (gOpenCount == 0)
        return;
    // Only what the mute paused is resumed: a channel the game paused itself stays paused.
    static std::vector<int> mutedChannels;
    static bool mutedMusic = false;
    if (mute) {
        mutedChannels.clear();
        for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
            if (Mix_Playing(channel) && !Mix_Paused(channel)) {
                Mix_Pause(channel);
                mutedChannels.push_back(channel);
            }
        }
        mutedMusic = Mix_PlayingMusic() && !Mix_PausedMusic();
        if (mutedMusic)
            Mix_PauseMusic();
        return;
    }
    for (int channel : mutedChannels)
        Mix_Resume(channel);
    mutedChannels.clear();
    if (mutedMusic)
        Mix_ResumeMusic();
    mutedMusic = false;
}

bool SdlMixer::FadeOutMusic(int ms)
{
    if (gOpenCount == 0 || !gLimiter || ms <= 0)
        return false;
    gDipActive = true;
    gDipRequestFrames = std::max(1, gFrequency * ms / 1000);
    return true;
}

bool SdlMixer::MusicFading()
{
    return gDipActive;
}

void SdlMixer::DeviceFormat(int* frequency, uint16_t* format, int* channels)
{
    *frequency = gFrequency;
    *format = gFormat;
    *channels = gChannels;
}

