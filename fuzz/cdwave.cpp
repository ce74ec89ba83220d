// Feeds arbitrary bytes as a WAVE track of the CD to the header walk that times it.
#include "HeadlessCdAudioOutput.h"
#include "mediafolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::WriteFile("track02.wav", data, size);
    uint32_t lengthMs = 0;
    Vl::HeadlessCdAudioOutput::TrackLengthMs(fuzzmedia::Folder() + "/track02.wav", &lengthMs);
    return 0;
}
