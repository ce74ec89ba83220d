// Turns rendered material into a loop that repeats without a click at the seam.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "AudioBuffer.h"

namespace mediagen {

// Wraps everything past the period back onto the start: material that begins and ends in silence
// becomes an exactly periodic loop, since each sample's neighbour across the seam is its neighbour in time.
AudioBuffer FoldIntoLoop(const AudioBuffer& rendered, std::size_t period);

// The frequency nearest the wanted one that completes a whole number of cycles in the period,
// so a steady tone at it ends exactly where it began.
double SnapToPeriod(double frequency, int sampleRate, std::size_t period);

// Runs a stateful process (filters, echoes) over a periodic signal until it has settled, and keeps
// one period of the result: what the process gives once the loop has been playing for a while,
// so its end flows into its start. The period is given as one cycle of the signal.
AudioBuffer SettleIntoLoop(const AudioBuffer& onePeriod, const std::function<void(AudioBuffer&)>& process);

// Noise that repeats exactly after the period.
AudioBuffer PeriodicNoise(int sampleRate, std::size_t period, std::uint32_t seed, bool pink);

}  // namespace mediagen
