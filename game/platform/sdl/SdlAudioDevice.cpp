// Sound channels on SDL_mixer; samples converted with SDL_BuildAudioCVT when a sound is played.
#include "SdlAudioDevice.h"

#include "SdlMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstring>
#include <new>

namespace Vl {

namespace {

bool SourceFormat(uint16_t bitsPerSample, SDL_AudioFormat* format)
{
    switch (bitsPerSample) {
    case 8:
        *format = AUDIO_U8;
        return true;
    case 16:
        *format = AUDIO_S16LSB;
        return true;
    case 32:
        *format = AUDIO_S32LSB;
        return true;
    default:
        return false;
    }
}

} // namespace

SdlAudioDevice::~SdlAudioDevice()
{
    Close();
}

AudioResult SdlAudioDevice::Open()
{
    if (mOpen)
        return AudioResult::Ok;
    if (!SdlMixer::Open())
        return AudioResult::NoDriver;
    SdlMixer::DeviceFormat(&mFrequency, &mFormat, &mChannels);
    // Lanes are added as channels take them: one mixer channel each.
    Mix_AllocateChannels(0);
    mOpen = true;
    return AudioResult::Ok;
}

void SdlAudioDevice::Close()
{
    if (!mOpen)
        return;
    Mix_HaltChannel(-1);
    for (auto& [id, voice] : mVoices) {
        if (voice.chunk)
            Mix_FreeChunk(voice.chunk);
    }
    mVoices.clear();
    mLanes.clear();
    Mix_AllocateChannels(0);
    SdlMixer::Close();
    mOpen = false;
}

bool SdlAudioDevice::IsHeld(int lane) const
{
    return lane >= 0 && static_cast<size_t>(lane) < mLanes.size() && mLanes[lane].held;
}

AudioResult SdlAudioDevice::AcquireLane(int* lane)
{
    if (!mOpen)
        return AudioResult::Uninitialized;
    size_t free = 0;
    while (free < mLanes.size() && mLanes[free].held)
        ++free;
    if (free == mLanes.size()) {
        if (Mix_AllocateChannels(static_cast<int>(free + 1)) != static_cast<int>(free + 1))
            return AudioResult::OutOfMemory;
        mLanes.push_back(Lane{});
    }
    mLanes[free] = Lane{true, 0, false};
    *lane = static_cast<int>(free);
    return AudioResult::Ok;
}

void SdlAudioDevice::ReleaseLane(int lane)
{
    if (!IsHeld(lane))
        return;
    Mix_HaltChannel(lane);
    mLanes[lane] = Lane{};
}

AudioResult SdlAudioDevice::CreateVoice(const PcmFormat& format, const uint8_t* samples, uint32_t size,
                                        const std::string& label, AudioVoice* voice)
{
    if (!mOpen)
        return AudioResult::Uninitialized;
    SDL_AudioFormat source = 0;
    if (!SourceFormat(format.bitsPerSample, &source) || format.channels == 0 || format.channels > 8 ||
        format.samplesPerSecond == 0 || format.samplesPerSecond > INT_MAX)
        return AudioResult::BadFormat;

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(format.channels), static_cast<int>(format.samplesPerSecond),
                          mFormat, static_cast<Uint8>(mChannels), mFrequency) < 0)
        return AudioResult::BadFormat;

    const size_t frameBytes = static_cast<size_t>(format.channels) * (format.bitsPerSample / 8);
    const size_t whole = (samples ? size : 0) / frameBytes * frameBytes;
    if (whole > static_cast<size_t>(INT_MAX / (cvt.len_mult > 0 ? cvt.len_mult : 1)))
        return AudioResult::OutOfMemory;

    Voice made;
    if (whole > 0) {
        try {
            made.samples.resize(whole * static_cast<size_t>(cvt.len_mult));
        } catch (const std::bad_alloc&) {
            return AudioResult::OutOfMemory;
        }
        std::memcpy(made.samples.data(), samples, whole);
        cvt.buf = made.samples.data();
        cvt.len = static_cast<int>(whole);
        if (cvt.needed) {
            if (SDL_ConvertAudio(&cvt) != 0)
                return AudioResult::BadFormat;
            made.samples.resize(static_cast<size_t>(cvt.len_cvt));
        } else {
            made.samples.resize(whole);
        }
        if (!made.samples.empty()) {
            made.chunk = Mix_QuickLoad_RAW(made.samples.data(), static_cast<Uint32>(made.samples.size()));
            if (!made.chunk)
                return AudioResult::OutOfMemory;
        }
    }
    *voice = mNextVoice++;
    // The chunk points into the vector's heap buffer, which the move keeps in place.
    mVoices.emplace(*voice, std::move(made));
    return AudioResult::Ok;
}

void SdlAudioDevice::DestroyVoice(AudioVoice voice)
{
    auto found = mVoices.find(voice);
    if (found == mVoices.end())
        return;
    for (size_t i = 0; i < mLanes.size(); ++i) {
        if (mLanes[i].voice == voice) {
            Mix_HaltChannel(static_cast<int>(i));
            mLanes[i].voice = 0;
        }
    }
    if (found->second.chunk)
        Mix_FreeChunk(found->second.chunk);
    mVoices.erase(found);
}

AudioResult SdlAudioDevice::Play(int lane, AudioVoice voice, bool loop)
{
    auto found = mVoices.find(voice);
    if (!IsHeld(lane) || found == mVoices.end())
        return AudioResult::InvalidParam;
    mLanes[lane].voice = voice;
    mLanes[lane].loop = loop;
    if (!found->second.chunk) {
        Mix_HaltChannel(lane);
        return AudioResult::Ok;
    }
    if (Mix_PlayChannel(lane, found->second.chunk, loop ? -1 : 0) < 0)
        return AudioResult::Generic;
    return AudioResult::Ok;
}

AudioResult SdlAudioDevice::Stop(int lane)
{
    if (!IsHeld(lane))
        return AudioResult::InvalidParam;
    Mix_HaltChannel(lane);
    return AudioResult::Ok;
}

AudioResult SdlAudioDevice::GetStatus(int lane, bool* playing, bool* looping)
{
    if (!IsHeld(lane))
        return AudioResult::InvalidParam;
    *playing = Mix_Playing(lane) != 0;
    *looping = *playing && mLanes[lane].loop;
    return AudioResult::Ok;
}

} // namespace Vl
