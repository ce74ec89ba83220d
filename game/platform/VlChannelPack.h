// A pack of sound channels that hands each request to a free channel, by priority, or queues it.
#pragma once

#include "VlBase.h"
#include "VlSound.h"
#include "VlSoundChannel.h"

#include <cstdint>

namespace Vl {

class ChannelPack : public Base {
public:
    // A request takes the first free channel, else the busy channel of the
    // lowest priority below its own; else it waits in the queue (queue set,
    // answer 0) or is refused ("Sscu"). Priority 0 therefore never takes over.
    virtual VlResult Play(Sound* sound, uint32_t priority, bool queue, bool loop) = 0;
    // Drops every queued request, then stops every channel.
    virtual VlResult StopAll() = 0;
    virtual VlResult Pause() = 0;
    virtual VlResult Resume() = 0;
    virtual bool IsPlaying() = 0;
    // Once per frame: starts queued requests, highest priority first, while channels are free.
    virtual VlResult Update() = 0;

protected:
    ChannelPack();
};

} // namespace Vl

// On success *pack holds a new pack (count 1) of up to channelCount channels
// (fewer when a channel cannot be made). The options go to every channel.
VlResult VlChannelPackCreate(Vl::ChannelPack** pack, uint8_t channelCount, uint8_t option1, uint8_t option2);
