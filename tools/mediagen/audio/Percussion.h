// Unpitched and lightly pitched percussion: sleigh bells, kick, brush, wood block, triangle.
#pragma once

#include <cstdint>

#include "AudioBuffer.h"

namespace mediagen {

enum class Drum { SleighBells, Kick, Brush, WoodBlock, WoodBlockLow, Triangle, Shaker };

AudioBuffer PlayDrum(Drum drum, int sampleRate, float velocity, std::uint32_t seed);

// One shake of a strap of small bells: many tiny bells struck a few milliseconds apart.
AudioBuffer SleighBellShake(int sampleRate, float velocity, std::uint32_t seed, int bells, double spread);

}  // namespace mediagen
