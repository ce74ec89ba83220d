// The channel pack: its channels with the priority each last started, and the queue of waiting requests.
#pragma once

#include "VlChannelPack.h"

#include <vector>

namespace Vl {

class ChannelPackImp : public ChannelPack {
public:
    ChannelPackImp(uint8_t channelCount, uint8_t option1, uint8_t option2);
    ~ChannelPackImp() override;

    VlResult Play(Sound* sound, uint32_t priority, bool queue, bool loop) override;
    VlResult StopAll() override;
    VlResult Pause() override;
    VlResult Resume() override;
    bool IsPlaying() override;
    VlResult Update() override;

    size_t ChannelCount() const { return mChannels.size(); }
    size_t PendingCount() const { return mPending.size(); }

private:
    struct Entry {
        uint32_t priority = 0;
        SoundChannel* channel = nullptr;
    };
    struct Request {
        uint32_t priority = 0;
        bool loop = false;
        Sound* sound = nullptr; // the pack's own reference
    };

    static bool LowerPriority(const Request& a, const Request& b);
    VlResult PlayOn(Entry& entry, Sound* sound, uint32_t priority, bool loop);
    // Runs the operation on every channel; answers the first failure, or 0.
    VlResult OnEveryChannel(VlResult (SoundChannel::*operation)());
    void DropPending();

    std::vector<Entry> mChannels;
    // A max-heap by priority (push_heap / pop_heap): equal priorities do not
    // come out first-in first-out, and nothing relies on it.
    std::vector<Request> mPending;
};

} // namespace Vl
