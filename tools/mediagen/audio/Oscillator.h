// A phase-continuous oscillator whose frequency may change every sample; saw and square are band-limited.
#pragma once

namespace mediagen {

enum class Wave { Sine, Triangle, Saw, Square, Pulse25 };

class Oscillator {
public:
    Oscillator(Wave wave, int sampleRate, double startPhase = 0.0);
    // Advances by one sample at the given frequency and answers the sample before the step.
    float Next(double frequency);

private:
    Wave mWave;
    double mRate;
    double mPhase;  // 0..1
};

}  // namespace mediagen
