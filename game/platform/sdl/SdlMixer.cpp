// Shared opening of SDL audio and SDL_mixer.
#include "SdlMixer.h"

#include "VlPeakLimiter.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>
#include <vector>

namespace Vl {

namespace {
int gOpenCount = 0;
int gFrequency = 0;
uint16_t gFormat = 0;
int gChannels = 0;
std::unique_ptr<PeakLimiter> gLimiter;

void SDLCALL LimitMix(void*, Uint8* stream, int length)
{
    if (gLimiter && gChannels > 0)
        gLimiter->Process(reinterpret_cast<float*>(stream), length / static_cast<int>(sizeof(float)) / gChannels, gChannels);
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

void SdlMixer::DeviceFormat(int* frequency, uint16_t* format, int* channels)
{
    *frequency = gFrequency;
    *format = gFormat;
    *channels = gChannels;
}

} // namespace Vl
