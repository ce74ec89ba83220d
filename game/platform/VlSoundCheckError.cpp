// Descriptions of sound-device results, worded as the device documentation words them.
#include "VlSoundCheckError.h"

#include <cstdio>

namespace Vl {

namespace {

const char* Description(AudioResult result)
{
    switch (result) {
    case AudioResult::Ok:
        return "There is no problem";
    case AudioResult::Generic:
        // "occured" is the text as it always was; log readers match on it.
        return "An undetermined error occured inside the DirectSound subsystem";
    case AudioResult::Unsupported:
        return "The function called is not supported at this time";
    case AudioResult::NoInterface:
        return "The requested COM interface is not available";
    case AudioResult::NoAggregation:
        return "This object does not support aggregation";
    case AudioResult::OutOfMemory:
        return "Not enough free memory is available to complete the operation";
    case AudioResult::InvalidParam:
        return "An invalid parameter was passed to the returning function";
    case AudioResult::Allocated:
        return "The call failed because resources (such as a priority level) were already being used by another caller";
    case AudioResult::ControlUnavailable:
        return "The control (vol,pan,etc.) requested by the caller is not available";
    case AudioResult::InvalidCall:
        return "This call is not valid for the current state of this object";
    case AudioResult::PriorityLevelNeeded:
        return "The caller does not have the priority level required for the function to succeed";
    case AudioResult::BadFormat:
        return "The specified WAVE format is not supported";
    case AudioResult::NoDriver:
        return "No sound driver is available for use";
    case AudioResult::AlreadyInitialized:
        return "This object is already initialized";
    case AudioResult::BufferLost:
        return "The buffer memory has been lost, and must be restored";
    case AudioResult::OtherApplicationHasPriority:
        return "Another app has a higher priority level, preventing this call from succeeding";
    case AudioResult::Uninitialized:
        return "This object has not been initialized";
    case AudioResult::Unknown:
        break;
    }
    return nullptr;
}

} // namespace

void WriteSoundCheckError(AudioResult result)
{
    const char* text = Description(result);
    if (text == nullptr)
        return;
    std::fprintf(stderr, "####CHECKERROR: %s\n", text);
    std::fflush(stderr);
}

} // namespace Vl
