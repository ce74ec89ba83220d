// Buffer effects.
#include "Effects.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

void ApplyFilter(AudioBuffer& buffer, Biquad& filter)
{
    for (std::size_t i = 0; i < buffer.Size(); ++i)
        buffer[i] = filter.Process(buffer[i]);
}

void ApplySweptFilter(AudioBuffer& buffer, Biquad::Kind kind, const std::function<double(double)>& cutoff, double q)
{
    const int rate = buffer.SampleRate();
    Biquad filter(kind, rate, cutoff(0.0), q);
    constexpr std::size_t kUpdateEvery = 32;
    for (std::size_t i = 0; i < buffer.Size(); ++i) {
        if (i % kUpdateEvery == 0)
            filter.Set(cutoff(static_cast<double>(i) / rate), q);
        buffer[i] = filter.Process(buffer[i]);
    }
}


void ApplyCurve(AudioBuffer& buffer, const std::function<double(double)>& gain)
{
    const double rate = buffer.SampleRate();
    for (std::size_t i = 0; i < buffer.Size(); ++i)
        buffer[i] *= static_cast<float>(gain(i / rate));
}

void Saturate(AudioBuffer& buffer, float drive)
{
    const float norm = std::tanh(drive);
    for (std::size_t i = 0; i < buffer.Size(); ++i)
        buffer[i] = std::tanh(buffer[i] * drive) / norm;
}

void Tremolo(AudioBuffer& buffer, double rate, double depth)
{
    const double sr = buffer.SampleRate();
    for (std::size_t i = 0; i < buffer.Size(); ++i) {
        const double lfo = 0.5 + 0.5 * std::sin(6.283185307179586 * rate * i / sr);
        buffer[i] *= static_cast<float>(1.0 - depth * lfo);
    }
}

void AddEcho(AudioBuffer& buffer, double delaySeconds, float feedback, float level, double tailSeconds)
{
    const std::size_t delay = std::max<std::size_t>(1, buffer.IndexAt(delaySeconds));
    const std::size_t dryLength = buffer.Size();
    buffer.Resize(dryLength + buffer.IndexAt(tailSeconds));
    std::vector<float> line(delay, 0.0f);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < buffer.Size(); ++i) {
        const float delayed = line[pos];
        const float in = i < dryLength ? buffer[i] : 0.0f;
        line[pos] = in + delayed * feedback;
        pos = (pos + 1) % delay;
        buffer[i] += delayed * level;
    }
}

void Compress(AudioBuffer& buffer, float threshold, float ratio)
{
    const double attack = std::exp(-1.0 / (0.002 * buffer.SampleRate()));
    const double release = std::exp(-1.0 / (0.08 * buffer.SampleRate()));
    double level = 0.0;
    for (std::size_t i = 0; i < buffer.Size(); ++i) {
        const double in = std::fabs(buffer[i]);
        level = in > level ? attack * level + (1 - attack) * in : release * level + (1 - release) * in;
        if (level > threshold) {
            const double wanted = threshold + (level - threshold) / ratio;
            buffer[i] *= static_cast<float>(wanted / level);
        }
    }
}

}  // namespace mediagen
