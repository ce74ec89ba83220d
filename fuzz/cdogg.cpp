// Feeds arbitrary bytes as an Ogg track of the CD to the reader that times it.
#include "HeadlessCdAudioOutput.h"
#include "mediafolder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::WriteFile("track02.ogg", data, size);
    uint32_t lengthMs = 0;
    if (Vl::HeadlessCdAudioOutput::TrackLengthMs(fuzzmedia::Folder() + "/track02.ogg", &lengthMs) &&
        lengthMs > 24u * 3600u * 1000u)
        std::abort();
    return 0;
}
