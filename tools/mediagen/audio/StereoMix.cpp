// Mixing, reverb return and mastering of a stereo piece.
#include "StereoMix.h"

#include <algorithm>
#include <cmath>

#include "Reverb.h"

namespace mediagen {

StereoMix::StereoMix(int sampleRate) : mRate(sampleRate) {}

void StereoMix::Add(const AudioBuffer& voice, double atSeconds, float gain, float pan, float send)
{
    const auto start = static_cast<std::size_t>(std::lround(std::max(0.0, atSeconds) * mRate));
    const std::size_t end = start + voice.Size();
    if (mLeft.size() < end) {
        mLeft.resize(end, 0.0f);
        mRight.resize(end, 0.0f);
        mSend.resize(end, 0.0f);
    }
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * 0.7853981633974483;
    const auto left = static_cast<float>(std::cos(angle) * 1.41421356 * gain);
    const auto right = static_cast<float>(std::sin(angle) * 1.41421356 * gain);
    const float toReverb = gain * send;
    for (std::size_t i = 0; i < voice.Size(); ++i) {
        const float s = voice[i];
        mLeft[start + i] += s * left;
        mRight[start + i] += s * right;
        mSend[start + i] += s * toReverb;
    }
}

void StereoMix::ApplyReverb(double roomSize, double damping, float wet, double tailSeconds)
{
    Reverb reverb(mRate, roomSize, damping);
    std::vector<float> left;
    std::vector<float> right;
    reverb.Process(mSend, wet, left, right, tailSeconds);
    mLeft.resize(std::max(mLeft.size(), left.size()), 0.0f);
    mRight.resize(std::max(mRight.size(), right.size()), 0.0f);
    mSend.resize(mLeft.size(), 0.0f);
    for (std::size_t i = 0; i < left.size(); ++i) {
        mLeft[i] += left[i];
        mRight[i] += right[i];
    }
    std::fill(mSend.begin(), mSend.end(), 0.0f);
}

void StereoMix::Master(float peakLevel, double lengthSeconds, double fadeOutSeconds)
{
    const auto length = static_cast<std::size_t>(std::lround(lengthSeconds * mRate));
    mLeft.resize(length, 0.0f);
    mRight.resize(length, 0.0f);
    mSend.resize(length, 0.0f);

    float peak = 0.0f;
    for (std::size_t i = 0; i < length; ++i)
        peak = std::max({peak, std::fabs(mLeft[i]), std::fabs(mRight[i])});
    if (peak <= 0.0f)
        return;
    // The loudest moments are rounded off a little so the body of the piece can sit louder.
    const float pre = 1.25f / peak;
    float limited = 0.0f;
    for (std::size_t i = 0; i < length; ++i) {
        mLeft[i] = std::tanh(mLeft[i] * pre);
        mRight[i] = std::tanh(mRight[i] * pre);
        limited = std::max({limited, std::fabs(mLeft[i]), std::fabs(mRight[i])});
    }
    const float gain = peakLevel / limited;
    const std::size_t fade = std::min(length, static_cast<std::size_t>(fadeOutSeconds * mRate));
    for (std::size_t i = 0; i < length; ++i) {
        float g = gain;
        if (i >= length - fade)
            g *= static_cast<float>(length - i) / fade;
        mLeft[i] *= g;
        mRight[i] *= g;
    }
}

double StereoMix::Duration() const
{
    return static_cast<double>(mLeft.size()) / mRate;
}

}  // namespace mediagen
