// Scheduling notes in time: tempo with an optional closing ritardando, and tiny timing and velocity variations.
#include "Band.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Tone.h"

namespace mediagen {

Band::Band(int sampleRate, double beatsPerMinute, std::uint32_t seed)
    : mRate(sampleRate), mSecondsPerBeat(60.0 / beatsPerMinute), mSeed(seed), mMix(sampleRate)
{
}

void Band::Ritardando(double fromBeat, double toBeat, double slowestFraction)
{
    mRitFrom = fromBeat;
    mRitTo = toBeat;
    mRitSlowest = slowestFraction;
}

double Band::SecondsAt(double beat) const
{
    if (mRitFrom < 0.0 || beat <= mRitFrom)
        return beat * mSecondsPerBeat;
    // Within the ritardando each beat lasts longer, growing linearly to 1/slowest of a beat;
    // integrate the beat length from the start of the slowdown.
    const double span = std::max(1e-6, mRitTo - mRitFrom);
    const double x = std::min(beat, mRitTo) - mRitFrom;
    const double grow = 1.0 / mRitSlowest - 1.0;
    double seconds = mRitFrom * mSecondsPerBeat + mSecondsPerBeat * (x + grow * x * x / (2.0 * span));
    if (beat > mRitTo)
        seconds += (beat - mRitTo) * mSecondsPerBeat / mRitSlowest;
    return seconds;
}

double Band::Jitter()
{
    Noise noise(mSeed * 7919u + static_cast<std::uint32_t>(mCounter++));
    return noise.Between(-1.0, 1.0);
}

void Band::Play(Instrument instrument, const std::vector<ScoreNote>& notes, const VoiceMix& sound)
{
    for (const ScoreNote& note : notes) {
        const double start = SecondsAt(note.beat);
        const double end = SecondsAt(note.beat + note.beats * sound.gate);
        NoteRequest request;
        request.frequency = MidiToFrequency(note.midi);
        request.seconds = std::max(0.03, end - start);
        request.velocity = std::clamp(note.velocity * static_cast<float>(1.0 + 0.07 * Jitter()), 0.0f, 1.5f);
        request.seed = mSeed + static_cast<std::uint32_t>(mCounter) * 31u;
        const double when = start + 0.006 * Jitter() + 0.006;
        mMix.Add(PlayNote(instrument, mRate, request), when, sound.gain, sound.pan, sound.send);
    }
}

void Band::Hit(Drum drum, const std::vector<double>& beats, const std::vector<float>& velocities, const VoiceMix& sound)
{
    for (std::size_t i = 0; i < beats.size(); ++i) {
        const float velocity = velocities.empty() ? 1.0f : velocities[i % velocities.size()];
        const auto seed = mSeed * 13u + static_cast<std::uint32_t>(mCounter) * 17u;
        const double when = SecondsAt(beats[i]) + 0.004 * Jitter() + 0.006;
        mMix.Add(PlayDrum(drum, mRate, velocity * static_cast<float>(1.0 + 0.1 * Jitter()), seed), when, sound.gain,
                 sound.pan, sound.send);
    }
}

}  // namespace mediagen
