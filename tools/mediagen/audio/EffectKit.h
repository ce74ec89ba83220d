// Building blocks of the sound effects: weather, air, impacts, engines, creatures and sparkle.
#pragma once

#include <cstdint>
#include <vector>

#include "AudioBuffer.h"
#include "Tone.h"

namespace mediagen {

// Moving air: pink noise through a band that wanders, with gusts and, above 0, a whistling edge.
AudioBuffer Wind(int sampleRate, double seconds, std::uint32_t seed, double centreHz, double gustiness, double whistle);

// Air rushing past: a noise band sweeping up from low to high and back as the level swells and falls.
AudioBuffer Whoosh(int sampleRate, double seconds, std::uint32_t seed, double lowHz, double highHz);

// A lightning crack (crackle: 0..1) followed by a rumble that rolls for the rest of the time.
AudioBuffer Thunder(int sampleRate, double seconds, std::uint32_t seed, double crackle);

// Something soft and wet hitting the ground: a low thud, a squelch of noise and a few drops.
AudioBuffer Splat(int sampleRate, std::uint32_t seed, double size);

// One combustion stroke of a small engine: a damped exhaust resonance with a little noise.
AudioBuffer EngineStroke(int sampleRate, double resonanceHz, double brightness, std::uint32_t seed);

// Strokes laid at the given times (seconds) with the given levels; the result is as long as needed.
AudioBuffer EngineRun(int sampleRate, const std::vector<double>& times, const std::vector<float>& levels,
                      double resonanceHz, double brightness, std::uint32_t seed);

// A bird's honk: a buzzy voice with a pitch curve through two vocal resonances.
AudioBuffer Honk(int sampleRate, double seconds, const Curve& pitch, std::uint32_t seed, double formantShift);

// Tiny random bell pings between lowHz and highHz: magic, stars, glitter.
AudioBuffer Sparkle(int sampleRate, double seconds, std::uint32_t seed, int pings, double lowHz, double highHz);

// A bubble: a sine whose pitch rises quickly as it closes.
AudioBuffer Bubble(int sampleRate, double startHz, double seconds);

// An electric crackle: a buzzing tone torn by random bursts of noise.
AudioBuffer Crackle(int sampleRate, double seconds, std::uint32_t seed, double buzzHz);

}  // namespace mediagen
