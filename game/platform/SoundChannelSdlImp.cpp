// Each Play copies the sound into a new voice on the channel's own lane.
#include "SoundChannelSdlImp.h"

#include "VlSoundCheckError.h"

#include <new>

namespace Vl {

SoundChannel::SoundChannel() : Base(static_cast<uint32_t>(VlFourCC("schn")))
{
}

SoundChannelSdlImp::SoundChannelSdlImp() = default;

SoundChannelSdlImp::~SoundChannelSdlImp()
{
    ReleaseVoice();
    if (AudioDevice* device = OwningDevice(); device && mLane >= 0)
        device->ReleaseLane(mLane);
}

AudioDevice* SoundChannelSdlImp::OwningDevice()
{
    if (mDevice && (mDevice != StartedAudioDevice() || mGeneration != AudioDeviceGeneration())) {
        mDevice = nullptr;
        mLane = -1;
        mVoice = 0;
    }
    return mDevice;
}

void SoundChannelSdlImp::ReleaseVoice()
{
    if (AudioDevice* device = OwningDevice(); device && mVoice != 0)
        device->DestroyVoice(mVoice);
    mVoice = 0;
}

VlResult SoundChannelSdlImp::Play(Sound* sound, bool loop)
{
    if (!sound)
        return VlReportError(ErrParam);
    if (!sound->IsLoaded())
        return VlReportError(ErrSoundNotLoaded);
    WaveFormat format;
    uint32_t size = 0;
    const uint8_t* data = nullptr;
    sound->GetData(&format, &size, &data);

    ReleaseVoice();

    AudioDevice* device = OwningDevice();
    if (!device) {
        device = StartedAudioDevice();
        if (!device)
            return VlReportError(ErrSoundCall); // silent: no text for every sound of the game
        mDevice = device;
        mGeneration = AudioDeviceGeneration();
    }
    if (mLane < 0) {
        const AudioResult acquired = device->AcquireLane(&mLane);
        if (acquired != AudioResult::Ok) {
            mLane = -1;
            WriteSoundCheckError(acquired);
            return VlReportError(ErrSoundCall);
        }
    }

    PcmFormat pcm;
    pcm.channels = format.channels;
    pcm.samplesPerSecond = format.samplesPerSecond;
    pcm.bitsPerSample = format.bitsPerSample;
    const AudioResult created = device->CreateVoice(pcm, data, size, sound->GetName(), &mVoice);
    if (created != AudioResult::Ok) {
        mVoice = 0;
        WriteSoundCheckError(created);
        return VlReportError(ErrSoundCall);
    }
    const AudioResult played = device->Play(mLane, mVoice, loop);
    if (played != AudioResult::Ok) {
        WriteSoundCheckError(played);
        return VlReportError(ErrSoundCall);
    }
    return VlReportError(VlOk);
}

VlResult SoundChannelSdlImp::Stop()
{
    AudioDevice* device = OwningDevice();
    if (device && mVoice != 0) {
        const AudioResult stopped = device->Stop(mLane);
        if (stopped != AudioResult::Ok) {
            WriteSoundCheckError(stopped);
            return VlReportError(ErrSoundCall);
        }
    }
    return VlReportError(VlOk);
}

VlResult SoundChannelSdlImp::Resume()
{
    return VlReportError(VlOk);
}

VlResult SoundChannelSdlImp::Pause()
{
    return VlReportError(VlOk);
}

VlResult SoundChannelSdlImp::Update()
{
    return VlReportError(VlOk);
}

bool SoundChannelSdlImp::ReadStatus(bool* playing, bool* looping)
{
    *playing = false;
    *looping = false;
    AudioDevice* device = OwningDevice();
    if (!device || mVoice == 0)
        return false;
    const AudioResult status = device->GetStatus(mLane, playing, looping);
    if (status != AudioResult::Ok) {
        WriteSoundCheckError(status);
        *playing = false;
        *looping = false;
        return false;
    }
    return true;
}

bool SoundChannelSdlImp::IsPlaying()
{
    bool playing = false;
    bool looping = false;
    ReadStatus(&playing, &looping);
    return playing || looping;
}

bool SoundChannelSdlImp::IsLooping()
{
    bool playing = false;
    bool looping = false;
    ReadStatus(&playing, &looping);
    return looping;
}

} // namespace Vl

VlResult VlSoundChannelCreate(Vl::SoundChannel** channel, uint8_t option1, uint8_t option2)
{
    if (!channel)
        return VlReportError(ErrParam);
    Vl::SoundChannel* made = new (std::nothrow) Vl::SoundChannelSdlImp();
    if (!made)
        return VlReportError(ErrMemFull);
    *channel = made;
    return VlReportError(VlOk);
}
