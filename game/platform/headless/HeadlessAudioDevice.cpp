// Sound lengths counted on the host clock instead of mixed.
#include "HeadlessAudioDevice.h"

#include "VlHost.h"

namespace Vl {

uint32_t HeadlessAudioDevice::Now()
{
    Clock* clock = GetHost().clock;
    return clock ? clock->Milliseconds() : 0;
}

AudioResult HeadlessAudioDevice::Open()
{
    if (mOpenResult != AudioResult::Ok)
        return mOpenResult;
    mOpen = true;
    return AudioResult::Ok;
}

void HeadlessAudioDevice::Close()
{
    mOpen = false;
    mVoices.clear();
    mLanes.clear();
}

HeadlessAudioDevice::Lane* HeadlessAudioDevice::FindLane(int lane)
{
    if (lane < 0 || static_cast<size_t>(lane) >= mLanes.size() || !mLanes[lane].held)
        return nullptr;
    return &mLanes[lane];
}

AudioResult HeadlessAudioDevice::AcquireLane(int* lane)
{
    if (!mOpen)
        return AudioResult::Uninitialized;
    for (size_t i = 0; i < mLanes.size(); ++i) {
        if (!mLanes[i].held) {
            mLanes[i] = Lane{};
            mLanes[i].held = true;
            *lane = static_cast<int>(i);
            return AudioResult::Ok;
        }
    }
    mLanes.push_back(Lane{});
    mLanes.back().held = true;
    *lane = static_cast<int>(mLanes.size() - 1);
    return AudioResult::Ok;
}

void HeadlessAudioDevice::ReleaseLane(int lane)
{
    if (Lane* held = FindLane(lane))
        *held = Lane{};
}

AudioResult HeadlessAudioDevice::CreateVoice(const PcmFormat& format, const uint8_t* samples, uint32_t size,
                                             const std::string& label, AudioVoice* voice)
{
    if (!mOpen)
        return AudioResult::Uninitialized;
    if (mVoiceResult != AudioResult::Ok)
        return mVoiceResult;
    const uint32_t frameBytes = static_cast<uint32_t>(format.channels) * (format.bitsPerSample / 8);
    if (frameBytes == 0 || format.samplesPerSecond == 0)
        return AudioResult::BadFormat;
    const uint64_t frames = size / frameBytes;
    Voice made;
    made.label = label;
    made.lengthMs = static_cast<uint32_t>(frames * 1000 / format.samplesPerSecond);
    *voice = mNextVoice++;
    mVoices[*voice] = made;
    return AudioResult::Ok;
}

void HeadlessAudioDevice::DestroyVoice(AudioVoice voice)
{
    for (Lane& lane : mLanes) {
        if (lane.voice == voice)
            lane.started = false;
    }
    mVoices.erase(voice);
}

AudioResult HeadlessAudioDevice::Play(int lane, AudioVoice voice, bool loop)
{
    Lane* held = FindLane(lane);
    auto found = mVoices.find(voice);
    if (!held || found == mVoices.end())
        return AudioResult::InvalidParam;
    held->voice = voice;
    held->loop = loop;
    held->started = true;
    held->startMs = Now();
    held->lengthMs = found->second.lengthMs;
    mPlays.push_back(PlayRecord{found->second.label, lane, loop, held->startMs, held->lengthMs});
    return AudioResult::Ok;
}

AudioResult HeadlessAudioDevice::Stop(int lane)
{
    Lane* held = FindLane(lane);
    if (!held)
        return AudioResult::InvalidParam;
    held->started = false;
    return AudioResult::Ok;
}

bool HeadlessAudioDevice::IsSounding(const Lane& lane) const
{
    // Unsigned difference: right across a wrap of the 32-bit clock.
    return lane.started && (lane.loop || Now() - lane.startMs < lane.lengthMs);
}

AudioResult HeadlessAudioDevice::GetStatus(int lane, bool* playing, bool* looping)
{
    Lane* held = FindLane(lane);
    if (!held)
        return AudioResult::InvalidParam;
    const bool sounding = IsSounding(*held);
    *playing = sounding;
    *looping = sounding && held->loop;
    return AudioResult::Ok;
}

std::vector<std::string> HeadlessAudioDevice::SoundingNow()
{
    std::vector<std::string> labels;
    for (const Lane& lane : mLanes) {
        if (lane.held && IsSounding(lane)) {
            auto found = mVoices.find(lane.voice);
            if (found != mVoices.end())
                labels.push_back(found->second.label);
        }
    }
    return labels;
}

} // namespace Vl
