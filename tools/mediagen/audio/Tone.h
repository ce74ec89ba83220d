// Rendering of single tones and noise bursts whose pitch and loudness follow curves over time.
#pragma once

#include <cstdint>
#include <functional>

#include "AudioBuffer.h"
#include "Oscillator.h"

namespace mediagen {

using Curve = std::function<double(double)>;  // seconds -> value

AudioBuffer RenderTone(int sampleRate, double seconds, Wave wave, const Curve& frequency, const Curve& amplitude,
                       double startPhase = 0.0);
AudioBuffer RenderNoise(int sampleRate, double seconds, std::uint32_t seed, bool pink, const Curve& amplitude);

Curve Constant(double value);
// Moves from one value to another over the time, evenly in the ratio (for pitch: even in musical steps).
Curve Glide(double from, double to, double seconds);
// 1 for the held time after a short attack, then a fall to silence: the shape of most short effects.
Curve Hit(double attack, double sixtyDbTime);

double MidiToFrequency(double midiNote);

}  // namespace mediagen
