// Blink sequences: the frame-sequence text read on first use and kept for the rest of the run.
#include "GlBlinkSequence.h"

#include "GlAnimationReader.h"

const std::vector<int32_t>& GlBlinkSequence::Values()
{
    if (!mBuilt) {
        GlAnimationReadSequence(mText, mValues);
        mBuilt = true;
    }
    return mValues;
}

int32_t GlBlinkSequence::FrameAt(int32_t frame)
{
    const std::vector<int32_t>& values = Values();
    if (frame < 0 || static_cast<size_t>(frame) >= values.size())
        return -1;
    return values[static_cast<size_t>(frame)] - 1;
}
