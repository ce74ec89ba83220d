// Feeds arbitrary bytes to the animation-script reader, as a script file and as a frame sequence.
#include "GlAnimationReader.h"
#include "mediafolder.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::WriteFile("config.txt", data, size);
    GlAnimationElements elements;
    GlAnimationReadFile("config.txt", elements);
    for (const GlAnimationElement& element : elements) {
        for (const GlAnimationAction& action : element.actions) {
            if (action.frames.size() > kGlAnimationMaxFrames)
                __builtin_trap();
        }
    }

    std::vector<int32_t> frames;
    GlAnimationReadSequence(std::string(reinterpret_cast<const char*>(data), size), frames);
    if (frames.size() > kGlAnimationMaxFrames)
        __builtin_trap();
    return 0;
}
