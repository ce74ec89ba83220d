// Plays written lines of music on the instruments into a stereo mix, at a tempo, with a player's small unevenness.
#pragma once

#include <cstdint>
#include <vector>

#include "Instruments.h"
#include "Percussion.h"
#include "Score.h"
#include "StereoMix.h"

namespace mediagen {

struct VoiceMix {
    float gain = 1.0f;
    float pan = 0.0f;     // -1 left .. 1 right
    float send = 0.2f;    // share into the reverb
    double gate = 0.92;   // share of the written length that is held (lower: more detached)
};

class Band {
public:
    Band(int sampleRate, double beatsPerMinute, std::uint32_t seed);

    // From this beat on the tempo eases down to the given fraction by the last beat (a closing ritardando).
    void Ritardando(double fromBeat, double toBeat, double slowestFraction);
    double SecondsAt(double beat) const;

    void Play(Instrument instrument, const std::vector<ScoreNote>& notes, const VoiceMix& sound);
    void Hit(Drum drum, const std::vector<double>& beats, const std::vector<float>& velocities, const VoiceMix& sound);

    StereoMix& Mix() { return mMix; }

private:
    double Jitter();

    int mRate;
    double mSecondsPerBeat;
    double mRitFrom = -1.0;
    double mRitTo = -1.0;
    double mRitSlowest = 1.0;
    std::uint32_t mSeed;
    std::uint64_t mCounter = 0;
    StereoMix mMix;
};

}  // namespace mediagen
