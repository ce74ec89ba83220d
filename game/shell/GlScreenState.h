// The switch flags and shared objects that screens use; the shell creates and destroys them.
#pragma once

#include <cstdint>

class GlInterfaceRun;

namespace Vl {
class ChannelPack;
class SoundChannel;
class Redbook;
}

extern GlInterfaceRun* gCurrentScreen;
// A screen ends by storing a newly made successor here; the last one stored in a frame wins.
extern GlInterfaceRun* gNextScreen;
extern bool gHoldScreen;
extern int32_t gHoldSeconds;
extern bool gQuitGame;
extern bool gStartCardProgram;

extern Vl::ChannelPack* gChannelPack;
extern Vl::SoundChannel* gChannel1;
extern Vl::SoundChannel* gChannel2;
extern Vl::SoundChannel* gChannel3;
extern Vl::Redbook* gCdPlayer;

// Puts every flag back to its start value (tests run several games in one process).
void GlResetScreenState();
