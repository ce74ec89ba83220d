// Sound channels on SDL_mixer; samples converted with SDL_BuildAudioCVT when a sound is played.
#include "SdlAudioDevice.h"

#include "SdlMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstddef>
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

// Runs in the mixer on the lane's samples: SDL_mixer's own fades change the
// volume once per mixing buffer (about 23 ms), too coarse to hide the cut.
void SDLCALL FadeLane(int, void* stream, int length, void* data)
{
    auto* fade = static_cast<SdlAudioDevice::LaneFade*>(data);
    const int sampleBytes = fade->format == AUDIO_F32SYS ? 4 : 2;
    const int frames = length / (sampleBytes * fade->channels);
    for (int frame = 0; frame < frames; ++frame) {
        const float gain = fade->remainingFrames > 0
            ? static_cast<float>(fade->remainingFrames) / static_cast<float>(fade->totalFrames) : 0.0f;
        if (fade->remainingFrames > 0)
            --fade->remainingFrames;
        for (int c = 0; c < fade->channels; ++c) {
            const size_t index = static_cast<size_t>(frame) * fade->channels + c;
            if (sampleBytes == 4)
                static_cast<float*>(stream)[index] *= gain;
            else
                static_cast<Sint16*>(stream)[index] = static_cast<Sint16>(static_cast<Sint16*>(stream)[index] * gain);
        }
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
    FreeFinishedFades();
    mLanes.clear();
    mFades.clear();
    Mix_AllocateChannels(0);
    SdlMixer::Close();
    mOpen = false;
}

void SdlAudioDevice::FreeFinishedFades()
{
    for (size_t i = 0; i < mRetired.size();) {
        if (Mix_Playing(mRetired[i].lane) && Mix_GetChunk(mRetired[i].lane) == mRetired[i].voice.chunk) {
            ++i;
            continue;
        }
        if (mRetired[i].voice.chunk)
            Mix_FreeChunk(mRetired[i].voice.chunk);
        mRetired.erase(mRetired.begin() + static_cast<std::ptrdiff_t>(i));
    }
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

    FreeFinishedFades();
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
    int fadingLane = -1;
    for (size_t i = 0; i < mLanes.size(); ++i) {
        if (mLanes[i].voice != voice)
            continue;
        const int lane = static_cast<int>(i);
        // A sound released right after its stop (a screen switch) finishes its fade first.
        if (mLanes[i].stopped && fadingLane < 0 && Mix_Playing(lane))
            fadingLane = lane;
        else
            Mix_HaltChannel(lane);
        mLanes[i].voice = 0;
    }
    if (fadingLane >= 0) {
        mRetired.push_back(Retired{fadingLane, std::move(found->second)});
    } else if (found->second.chunk) {
        Mix_FreeChunk(found->second.chunk);
    }
    mVoices.erase(found);
    FreeFinishedFades();
}

AudioResult SdlAudioDevice::Play(int lane, AudioVoice voice, bool loop)
{
    auto found = mVoices.find(voice);
    if (!IsHeld(lane) || found == mVoices.end())
        return AudioResult::InvalidParam;
    mLanes[lane].voice = voice;
    mLanes[lane].loop = loop;
    mLanes[lane].stopped = false;
    if (!found->second.chunk) {
        Mix_HaltChannel(lane);
        FreeFinishedFades();
        return AudioResult::Ok;
    }
    Mix_UnregisterAllEffects(lane);
    const int played = Mix_PlayChannel(lane, found->second.chunk, loop ? -1 : 0);
    FreeFinishedFades();
    return played < 0 ? AudioResult::Generic : AudioResult::Ok;
}

AudioResult SdlAudioDevice::Stop(int lane)
{
    if (!IsHeld(lane))
        return AudioResult::InvalidParam;
    if (Mix_Playing(lane) && !Mix_Paused(lane) && !mLanes[lane].stopped) {
        if (mFades.size() <= static_cast<size_t>(lane))
            mFades.resize(static_cast<size_t>(lane) + 1);
        if (!mFades[lane])
            mFades[lane] = std::make_unique<LaneFade>();
        LaneFade& fade = *mFades[lane];
        fade.totalFrames = std::max(1, mFrequency * kFadeMs / 1000);
        fade.remainingFrames = fade.totalFrames;
        fade.channels = std::max(1, mChannels);
        fade.format = mFormat;
        // Silent after the ramp; the mixer drops the lane (and the effect) soon after.
        if (Mix_RegisterEffect(lane, FadeLane, nullptr, &fade) == 0 || Mix_ExpireChannel(lane, 2 * kFadeMs) == 0)
            Mix_HaltChannel(lane);
    } else if (!mLanes[lane].stopped) {
        Mix_HaltChannel(lane);
    }
    mLanes[lane].stopped = true;
    return AudioResult::Ok;
}

AudioResult SdlAudioDevice::GetStatus(int lane, bool* playing, bool* looping)
{
    if (!IsHeld(lane))
        return AudioResult::InvalidParam;
    *playing = !mLanes[lane].stopped && Mix_Playing(lane) != 0;
    *looping = *playing && mLanes[lane].loop;
    return AudioResult::Ok;
}

} // namespace Vl
