// A stereo mixing desk for music: mono voices placed with pan and a reverb send, then mastered.
#pragma once

#include <vector>

#include "AudioBuffer.h"

namespace mediagen {

class StereoMix {
public:
    explicit StereoMix(int sampleRate);

    int SampleRate() const { return mRate; }
    // pan from -1 (left) to 1 (right); send is the share that also goes to the reverb.
    void Add(const AudioBuffer& voice, double atSeconds, float gain, float pan, float send);
    // Runs the reverb over everything sent so far and mixes it in, lengthening the mix by the tail
    // so the last notes ring out instead of stopping dead.
    void ApplyReverb(double roomSize, double damping, float wet, double tailSeconds = 3.0);
    // Gentle limiting and a final peak level (fraction of full scale); the length is cut or padded.
    void Master(float peakLevel, double lengthSeconds, double fadeOutSeconds);

    const std::vector<float>& Left() const { return mLeft; }
    const std::vector<float>& Right() const { return mRight; }
    double Duration() const;

private:
    int mRate;
    std::vector<float> mLeft;
    std::vector<float> mRight;
    std::vector<float> mSend;
};

}  // namespace mediagen
