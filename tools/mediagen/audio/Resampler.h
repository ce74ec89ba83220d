// Sample-rate changes and speed changes through a windowed-sinc interpolator.
#pragma once

#include "AudioBuffer.h"

namespace mediagen {

// The same sound at another sample rate (same pitch, same duration).
AudioBuffer Resample(const AudioBuffer& input, int newRate);

// Plays the sound faster (factor above 1: shorter and higher, like a smaller speaker) at the same rate.
AudioBuffer ChangeSpeed(const AudioBuffer& input, double factor);

}  // namespace mediagen
