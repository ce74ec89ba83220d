// The process-wide sound device: absent until started, forgotten when stopped.
#include "VlSoundSystem.h"

#include "VlHost.h"
#include "VlSoundCheckError.h"

namespace Vl {

namespace {
AudioDevice* gStartedDevice = nullptr;
uint32_t gGeneration = 0;
} // namespace

AudioDevice* StartedAudioDevice()
{
    return gStartedDevice;
}

uint32_t AudioDeviceGeneration()
{
    return gGeneration;
}

} // namespace Vl

VlResult VlSoundSystemStart(void* window)
{
    if (Vl::gStartedDevice)
        return VlReportError(VlOk);
    Vl::AudioDevice* device = Vl::GetHost().audio;
    if (!device) {
        Vl::WriteSoundCheckError(Vl::AudioResult::NoDriver);
        return VlReportError(ErrSoundInit);
    }
    const Vl::AudioResult opened = device->Open();
    if (opened != Vl::AudioResult::Ok) {
        Vl::WriteSoundCheckError(opened);
        return VlReportError(ErrSoundInit);
    }
    Vl::gStartedDevice = device;
    ++Vl::gGeneration;
    return VlReportError(VlOk);
}

VlResult VlSoundSystemStop()
{
    if (Vl::gStartedDevice) {
        Vl::gStartedDevice->Close();
        Vl::gStartedDevice = nullptr;
    }
    return VlReportError(VlOk);
}
