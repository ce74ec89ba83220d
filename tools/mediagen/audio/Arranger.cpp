// Accompaniment patterns derived from chords.
#include "Arranger.h"

#include <algorithm>
#include <cmath>

namespace mediagen {
namespace {

int LowestAtOrAbove(int pitchClass, int lowest)
{
    int midi = lowest;
    while (((midi % 12) + 12) % 12 != pitchClass)
        ++midi;
    return midi;
}


}  // namespace

std::vector<ScoreNote> BassLine(const std::vector<ChordSpan>& chords, int beatsPerBar, int lowest)
{
    std::vector<ScoreNote> notes;
    for (const ChordSpan& chord : chords) {
        if (chord.root < 0)
            continue;
        const int root = LowestAtOrAbove(chord.root, lowest);
        const int fifth = root + 7 <= lowest + 12 ? root + 7 : root - 5;
        // The root where the chord arrives, then root and fifth by turns on the strong beats.
        int played = 0;
        for (double b = 0.0; b < chord.beats - 1e-6; b += 1.0) {
            const double beat = chord.beat + b;
            const double inBar = std::fmod(beat, beatsPerBar);
            const bool downbeat = inBar < 1e-6;
            const bool strong = downbeat || (beatsPerBar == 4 && std::fabs(inBar - 2.0) < 1e-6);
            if (b > 1e-6 && !strong)
                continue;
            notes.push_back({beat, 1.0, played % 2 == 0 ? root : fifth, downbeat ? 1.0f : 0.85f});
            ++played;
        }
    }
    return notes;
}

std::vector<ScoreNote> OffBeatChords(const std::vector<ChordSpan>& chords, int beatsPerBar, int low, int high,
                                     double length)
{
    std::vector<ScoreNote> notes;
    for (const ChordSpan& chord : chords) {
        if (chord.root < 0)
            continue;
        const std::vector<int> tones = ChordTones(chord, low, high);
        for (double b = 0.0; b < chord.beats - 1e-6; b += 1.0) {
            const double beat = chord.beat + b;
            const double inBar = std::fmod(beat, beatsPerBar);
            const bool weak = beatsPerBar == 3 ? inBar > 0.5 : (std::fabs(inBar - 1.0) < 1e-6 || std::fabs(inBar - 3.0) < 1e-6);
            if (!weak)
                continue;
            for (int t : tones)
                notes.push_back({beat, length, t, 0.8f});
        }
    }
    return notes;
}

std::vector<ScoreNote> PadChords(const std::vector<ChordSpan>& chords, int low, int high)
{
    std::vector<ScoreNote> notes;
    for (const ChordSpan& chord : chords) {
        for (int t : ChordTones(chord, low, high))
            notes.push_back({chord.beat, chord.beats, t, 0.8f});
    }
    return notes;
}

std::vector<ScoreNote> Arpeggio(const std::vector<ChordSpan>& chords, double step, int low, int high)
{
    std::vector<ScoreNote> notes;
    for (const ChordSpan& chord : chords) {
        const std::vector<int> tones = ChordTones(chord, low, high);
        if (tones.empty())
            continue;
        std::vector<int> cycle = tones;
        for (std::size_t i = tones.size() - 1; i > 0 && tones.size() > 2; --i) {
            if (i != tones.size() - 1)
                cycle.push_back(tones[i]);
        }
        int k = 0;
        for (double b = 0.0; b < chord.beats - 1e-6; b += step, ++k)
            notes.push_back({chord.beat + b, step * 1.5, cycle[k % cycle.size()], k % 2 == 0 ? 0.9f : 0.7f});
    }
    return notes;
}

std::vector<ScoreNote> HarmonyBelow(const std::vector<ScoreNote>& melody, const std::vector<ChordSpan>& chords)
{
    std::vector<ScoreNote> notes;
    for (const ScoreNote& m : melody) {
        const ChordSpan* chord = ChordAt(chords, m.beat);
        if (chord == nullptr)
            continue;
        const std::vector<int> tones = ChordTones(*chord, m.midi - 9, m.midi - 3);
        if (tones.empty())
            continue;
        ScoreNote h = m;
        h.midi = tones.back();
        h.velocity = m.velocity * 0.8f;
        notes.push_back(h);
    }
    return notes;
}


}  // namespace mediagen
