// Tone and noise rendering with curve-driven pitch and level.
#include "Tone.h"

#include <algorithm>
#include <cmath>

#include "Envelope.h"
#include "Noise.h"

namespace mediagen {

AudioBuffer RenderTone(int sampleRate, double seconds, Wave wave, const Curve& frequency, const Curve& amplitude,
                       double startPhase)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Oscillator osc(wave, sampleRate, startPhase);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        out[i] = static_cast<float>(osc.Next(frequency(t)) * amplitude(t));
    }
    return out;
}

AudioBuffer RenderNoise(int sampleRate, double seconds, std::uint32_t seed, bool pink, const Curve& amplitude)
{
    AudioBuffer out = AudioBuffer::Seconds(sampleRate, seconds);
    Noise noise(seed);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        out[i] = static_cast<float>((pink ? noise.Pink() * 2.5f : noise.White()) * amplitude(t));
    }
    return out;
}

Curve Constant(double value)
{
    return [value](double) { return value; };
}

Curve Glide(double from, double to, double seconds)
{
    return [from, to, seconds](double t) {
        const double x = std::clamp(seconds > 0 ? t / seconds : 1.0, 0.0, 1.0);
        return from * std::pow(to / from, x);
    };
}


Curve Hit(double attack, double sixtyDbTime)
{
    return [attack, sixtyDbTime](double t) {
        if (t < attack)
            return t / attack;
        return DecayCurve(t - attack, sixtyDbTime);
    };
}

double MidiToFrequency(double midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

}  // namespace mediagen
