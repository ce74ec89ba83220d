// Mixing, measuring and shaping of mono sample buffers.
#include "AudioBuffer.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

AudioBuffer::AudioBuffer(int sampleRate, std::size_t length) : mRate(sampleRate), mSamples(length, 0.0f) {}

AudioBuffer AudioBuffer::Seconds(int sampleRate, double seconds)
{
    return AudioBuffer(sampleRate, static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * sampleRate)));
}

double AudioBuffer::Duration() const
{
    return static_cast<double>(mSamples.size()) / mRate;
}

std::size_t AudioBuffer::IndexAt(double seconds) const
{
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * mRate));
}

void AudioBuffer::MixIn(const AudioBuffer& other, double atSeconds, float gain)
{
    MixInAt(other, IndexAt(atSeconds), gain);
}

void AudioBuffer::MixInAt(const AudioBuffer& other, std::size_t atSample, float gain)
{
    if (other.mSamples.empty())
        return;
    if (mSamples.size() < atSample + other.mSamples.size())
        mSamples.resize(atSample + other.mSamples.size(), 0.0f);
    for (std::size_t i = 0; i < other.mSamples.size(); ++i)
        mSamples[atSample + i] += other.mSamples[i] * gain;
}

void AudioBuffer::Append(const AudioBuffer& other)
{
    mSamples.insert(mSamples.end(), other.mSamples.begin(), other.mSamples.end());
}


void AudioBuffer::Scale(float gain)
{
    for (float& s : mSamples)
        s *= gain;
}

float AudioBuffer::Peak() const
{
    float peak = 0.0f;
    for (float s : mSamples)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

double AudioBuffer::Rms() const
{
    if (mSamples.empty())
        return 0.0;
    double sum = 0.0;
    for (float s : mSamples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / mSamples.size());
}

void AudioBuffer::FadeIn(double seconds)
{
    const std::size_t n = std::min(mSamples.size(), IndexAt(seconds));
    for (std::size_t i = 0; i < n; ++i)
        mSamples[i] *= static_cast<float>(i) / n;
}

void AudioBuffer::FadeOut(double seconds)
{
    const std::size_t n = std::min(mSamples.size(), IndexAt(seconds));
    const std::size_t start = mSamples.size() - n;
    for (std::size_t i = 0; i < n; ++i)
        mSamples[start + i] *= static_cast<float>(n - 1 - i) / n;
}

void AudioBuffer::NormalizePeak(float target)
{
    const float peak = Peak();
    if (peak > 0.0f)
        Scale(target / peak);
}

void AudioBuffer::RemoveDc()
{
    // A gentle high-pass at about 20 Hz: removes offset without touching the low hum of motors.
    const double r = 1.0 - (2.0 * 3.14159265358979 * 20.0 / mRate);
    double lastIn = 0.0;
    double lastOut = 0.0;
    for (float& s : mSamples) {
        const double out = s - lastIn + r * lastOut;
        lastIn = s;
        lastOut = out;
        s = static_cast<float>(out);
    }
}

void AudioBuffer::TrimSilence(float threshold)
{
    std::size_t first = 0;
    while (first < mSamples.size() && std::fabs(mSamples[first]) < threshold)
        ++first;
    std::size_t last = mSamples.size();
    while (last > first && std::fabs(mSamples[last - 1]) < threshold)
        --last;
    mSamples = std::vector<float>(mSamples.begin() + first, mSamples.begin() + last);
}

}  // namespace mediagen
