// Whole-buffer effects used by the sound recipes: filters, envelopes, drive, tremolo, echo, level riding.
#pragma once

#include <functional>

#include "AudioBuffer.h"
#include "Biquad.h"

namespace mediagen {

void ApplyFilter(AudioBuffer& buffer, Biquad& filter);
// A filter whose cutoff follows a curve over time (seconds -> Hz).
void ApplySweptFilter(AudioBuffer& buffer, Biquad::Kind kind, const std::function<double(double)>& cutoff, double q);
void ApplyCurve(AudioBuffer& buffer, const std::function<double(double)>& gain);
// Soft clipping: rounds peaks and adds warm overtones.
void Saturate(AudioBuffer& buffer, float drive);
void Tremolo(AudioBuffer& buffer, double rate, double depth);
void AddEcho(AudioBuffer& buffer, double delaySeconds, float feedback, float level, double tailSeconds);
// Evens out loud and soft syllables of speech, with a short look at the level.
void Compress(AudioBuffer& buffer, float threshold, float ratio);

}  // namespace mediagen
