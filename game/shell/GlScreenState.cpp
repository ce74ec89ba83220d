// The switch flags and shared sound objects of the screen framework.
#include "GlScreenState.h"

GlInterfaceRun* gCurrentScreen = nullptr;
GlInterfaceRun* gNextScreen = nullptr;
bool gHoldScreen = false;
int32_t gHoldSeconds = 0;
bool gQuitGame = false;
bool gStartCardProgram = false;

Vl::ChannelPack* gChannelPack = nullptr;
Vl::SoundChannel* gChannel1 = nullptr;
Vl::SoundChannel* gChannel2 = nullptr;
Vl::SoundChannel* gChannel3 = nullptr;
Vl::Redbook* gCdPlayer = nullptr;

void GlResetScreenState()
{
    gCurrentScreen = nullptr;
    gNextScreen = nullptr;
    gHoldScreen = false;
    gHoldSeconds = 0;
    gQuitGame = false;
    gStartCardProgram = false;
}
