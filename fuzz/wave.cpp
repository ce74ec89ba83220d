// Feeds arbitrary bytes to the WAVE reader through a real media file.
#include "wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    soundfuzz::LoadAsSound(data, size, "input.wav");
    return 0;
}
