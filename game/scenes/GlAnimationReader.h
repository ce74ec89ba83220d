// Reads animation scripts and frame sequences; bounded, so a hostile file only costs log lines.
#pragma once

#include "GlAnimationElement.h"

#include <cstdint>
#include <string>
#include <vector>

// The longest frame list one sequence or one padded action may hold: about 90 minutes at 12
// frames a second. Longer requests are cut here rather than exhausting memory.
inline constexpr size_t kGlAnimationMaxFrames = 65536;

// Appends the elements of the script (a media file name) to the list; false when it cannot be opened.
bool GlAnimationReadFile(const std::string& name, GlAnimationElements& elements);

// Appends the frames that the sequence text describes ("r F N", "s A B", "a N F1 .. FN");
// always true.
bool GlAnimationReadSequence(const std::string& text, std::vector<int32_t>& frames);
