// A sound channel plays one sound at a time, once or looping, from its own copy of the samples.
#pragma once

#include "VlBase.h"
#include "VlSound.h"
#include "VlSoundSystem.h"

#include <cstdint>

constexpr VlResult ErrSoundNotLoaded = VlFourCC("Xnol"); // a channel was given a sound that is not loaded
constexpr VlResult ErrSoundCall = VlFourCC("Sscu");      // a device call failed, or no channel took a pack request

namespace Vl {

class SoundChannel : public Base {
public:
    // Cuts off what the channel played. Without a started sound system the
    // answer is "Sscu" and nothing sounds: the game runs silent.
    virtual VlResult Play(Sound* sound, bool loop) = 0;
    // The samples stay with the channel; only a new Play frees them.
    virtual VlResult Stop() = 0;
    virtual VlResult Resume() = 0; // no effect
    virtual VlResult Pause() = 0;  // no effect
    virtual bool IsPlaying() = 0;
    virtual VlResult Update() = 0; // once per frame; no effect

protected:
    SoundChannel();
};

} // namespace Vl

// On success *channel holds a new channel (count 1) that has played nothing. The options are not used.
VlResult VlSoundChannelCreate(Vl::SoundChannel** channel, uint8_t option1, uint8_t option2);
