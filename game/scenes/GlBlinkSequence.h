// A frame sequence read once per program run, for the scenes that index a blink by the frame.
#pragma once

#include <cstdint>
#include <vector>

class GlBlinkSequence {
public:
    explicit GlBlinkSequence(const char* text) : mText(text) {}

    // The sprite frame (from 0) at animation frame f; -1 beyond the sequence's end.
    int32_t FrameAt(int32_t frame);
    const std::vector<int32_t>& Values();

private:
    const char* mText;
    bool mBuilt = false;
    std::vector<int32_t> mValues;
};
