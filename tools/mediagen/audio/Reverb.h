// A room reverberator (parallel damped combs into series all-passes), mono in, stereo out.
#pragma once

#include <vector>

#include "AudioBuffer.h"

namespace mediagen {

class Reverb {
public:
    // roomSize and damping from 0 to 1; larger rooms ring longer, more damping darkens the tail.
    Reverb(int sampleRate, double roomSize, double damping);

    // Adds the reverberated input, scaled by wet, into left and right (grown to fit the tail).
    void Process(const std::vector<float>& input, float wet, std::vector<float>& left, std::vector<float>& right,
                 double tailSeconds);
    // The same for a mono sound: both tanks summed into the buffer itself.
    void ProcessMono(AudioBuffer& buffer, float wet, double tailSeconds);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t pos = 0;
        float store = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        std::size_t pos = 0;
    };
    struct Tank {
        std::vector<Comb> combs;
        std::vector<AllPass> allPasses;
    };

    float Run(Tank& tank, float input);

    double mFeedback;
    double mDamp;
    Tank mLeft;
    Tank mRight;
    int mRate;
};

}  // namespace mediagen
