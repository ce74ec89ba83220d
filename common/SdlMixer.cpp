// Shared opening of SDL audio and SDL_mixer.
#include "SdlMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
int gOpenCount = 0;
int gFrequency = 0;
uint16_t gFormat = 0;
int gChannels = 0;
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
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    if (Mix_QuerySpec(&gFrequency, &gFormat, &gChannels) == 0) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    gOpenCount = 1;
    return true;
}

void SdlMixer::Close()
{
    if (gOpenCount == 0 || --gOpenCount > 0)
        return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlMixer::DeviceFormat(int* frequency, uint16_t* format, int* channels)
{
    *frequency = gFrequency;
    *format = gFormat;
    *channels = gChannels;
}

