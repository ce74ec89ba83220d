// Starting and stopping the sound device that every sound channel plays through.
#pragma once

#include "VlAudioDevice.h"
#include "VlError.h"

#include <cstdint>

constexpr VlResult ErrSoundInit = VlFourCC("Ssif"); // the sound system failed to start

// Opens the host's audio device (Vl::Host::audio). Without one, or when it
// cannot be opened, answers "Ssif" and the game runs silent. The window is
// not needed on this platform.
VlResult VlSoundSystemStart(void* window);
// Closes the device if one was started; always answers 0.
VlResult VlSoundSystemStop();

namespace Vl {
// The started device, or null. Each start gets a new generation number, so a
// channel can tell that lanes and voices it holds belong to an earlier start.
AudioDevice* StartedAudioDevice();
uint32_t AudioDeviceGeneration();
} // namespace Vl
