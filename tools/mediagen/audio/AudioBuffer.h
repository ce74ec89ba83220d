// A mono buffer of floating-point samples at a fixed rate: the working material of every sound.
#pragma once

#include <cstddef>
#include <vector>

namespace mediagen {

class AudioBuffer {
public:
    explicit AudioBuffer(int sampleRate = 22050, std::size_t length = 0);
    static AudioBuffer Seconds(int sampleRate, double seconds);

    int SampleRate() const { return mRate; }
    std::size_t Size() const { return mSamples.size(); }
    bool Empty() const { return mSamples.empty(); }
    double Duration() const;
    std::size_t IndexAt(double seconds) const;

    float& operator[](std::size_t i) { return mSamples[i]; }
    float operator[](std::size_t i) const { return mSamples[i]; }
    float* Data() { return mSamples.data(); }
    const float* Data() const { return mSamples.data(); }
    std::vector<float>& Samples() { return mSamples; }
    const std::vector<float>& Samples() const { return mSamples; }

    void Resize(std::size_t length) { mSamples.resize(length, 0.0f); }
    // Adds another buffer of the same rate, growing this one when it reaches past the end.
    void MixIn(const AudioBuffer& other, double atSeconds, float gain = 1.0f);
    void MixInAt(const AudioBuffer& other, std::size_t atSample, float gain = 1.0f);
    void Append(const AudioBuffer& other);

    void Scale(float gain);
    float Peak() const;
    double Rms() const;
    void FadeIn(double seconds);
    void FadeOut(double seconds);
    // Scales so the loudest sample reaches the target; a silent buffer stays silent.
    void NormalizePeak(float target);
    void RemoveDc();
    void TrimSilence(float threshold);

private:
    int mRate;
    std::vector<float> mSamples;
};

}  // namespace mediagen
