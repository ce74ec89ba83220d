// Channel selection by priority, take-over of lower priorities, and the pending queue.
#include "ChannelPackImp.h"

#include <algorithm>
#include <new>

namespace Vl {

ChannelPack::ChannelPack() : Base(static_cast<uint32_t>(VlFourCC("cpck")))
{
}

ChannelPackImp::ChannelPackImp(uint8_t channelCount, uint8_t option1, uint8_t option2)
{
    mChannels.reserve(channelCount);
    for (uint8_t i = 0; i < channelCount; ++i) {
        SoundChannel* channel = nullptr;
        if (VlSoundChannelCreate(&channel, option1, option2) != VlOk)
            break;
        mChannels.push_back(Entry{0, channel});
    }
}

ChannelPackImp::~ChannelPackImp()
{
    DropPending();
    StopAll();
    for (Entry& entry : mChannels)
        entry.channel->Release();
}

VlResult ChannelPackImp::PlayOn(Entry& entry, Sound* sound, uint32_t priority, bool loop)
{
    const VlResult result = entry.channel->Play(sound, loop);
    entry.priority = result == VlOk ? priority : 0;
    return result;
}

VlResult ChannelPackImp::Play(Sound* sound, uint32_t priority, bool queue, bool loop)
{
    if (!sound)
        return ErrParam; // kept off the reporter, as the game always had it

    Entry* lowest = nullptr;
    for (Entry& entry : mChannels) {
        if (!entry.channel->IsPlaying())
            return PlayOn(entry, sound, priority, loop);
        if (entry.priority < priority && (!lowest || entry.priority < lowest->priority))
            lowest = &entry;
    }
    if (lowest)
        return PlayOn(*lowest, sound, priority, loop);
    if (!queue)
        return VlReportError(ErrSoundCall);

    sound->AddRef();
    mPending.push_back(Request{priority, loop, sound});
    std::push_heap(mPending.begin(), mPending.end(), LowerPriority);
    return VlReportError(VlOk);
}

VlResult ChannelPackImp::Update()
{
    VlResult firstFailure = OnEveryChannel(&SoundChannel::Update);
    while (!mPending.empty()) {
        const Request& top = mPending.front();
        const VlResult result = Play(top.sound, top.priority, false, top.loop);
        if (result != VlOk && firstFailure == VlOk)
            firstFailure = result;
        // A request that can never play (its sound is not loaded) would sit on
        // top of the queue for good and hold back everything behind it, so it
        // is dropped; any other failure keeps it for the next frame.
        if (result != VlOk && result != ErrSoundNotLoaded && result != ErrParam)
            break;
        std::pop_heap(mPending.begin(), mPending.end(), LowerPriority);
        Sound* played = mPending.back().sound;
        mPending.pop_back();
        played->Release();
    }
    return VlReportError(firstFailure);
}

bool ChannelPackImp::LowerPriority(const Request& a, const Request& b)
{
    return a.priority < b.priority;
}

VlResult ChannelPackImp::OnEveryChannel(VlResult (SoundChannel::*operation)())
{
    VlResult firstFailure = VlOk;
    for (Entry& entry : mChannels) {
        const VlResult result = (entry.channel->*operation)();
        if (result != VlOk && firstFailure == VlOk)
            firstFailure = result;
    }
    return firstFailure;
}

void ChannelPackImp::DropPending()
{
    for (Request& request : mPending)
        request.sound->Release();
    mPending.clear();
}

VlResult ChannelPackImp::StopAll()
{
    DropPending();
    return VlReportError(OnEveryChannel(&SoundChannel::Stop));
}

VlResult ChannelPackImp::Pause()
{
    DropPending();
    return VlReportError(OnEveryChannel(&SoundChannel::Pause));
}

VlResult ChannelPackImp::Resume()
{
    return VlReportError(OnEveryChannel(&SoundChannel::Resume));
}

bool ChannelPackImp::IsPlaying()
{
    for (Entry& entry : mChannels) {
        if (entry.channel->IsPlaying())
            return true;
    }
    return false;
}

} // namespace Vl

VlResult VlChannelPackCreate(Vl::ChannelPack** pack, uint8_t channelCount, uint8_t option1, uint8_t option2)
{
    if (!pack || channelCount == 0)
        return VlReportError(ErrParam);
    Vl::ChannelPack* made = new (std::nothrow) Vl::ChannelPackImp(channelCount, option1, option2);
    if (!made)
        return VlReportError(ErrMemFull);
    *pack = made;
    return VlReportError(VlOk);
}
