// Accompaniment written from a chord chart: bass lines, off-beat chords, pads, arpeggios and a harmony voice.
#pragma once

#include <vector>

#include "Score.h"

namespace mediagen {

// Root and fifth by turns on the strong beats (1 and 3 in four, 1 in three), and the root wherever a chord
// arrives, from the lowest note up.
std::vector<ScoreNote> BassLine(const std::vector<ChordSpan>& chords, int beatsPerBar, int lowest);

// The chord struck on the weak beats (2 and 4 in four, 2 and 3 in three), voiced between low and high.
std::vector<ScoreNote> OffBeatChords(const std::vector<ChordSpan>& chords, int beatsPerBar, int low, int high,
                                     double length);

// One held chord for each span, voiced between low and high.
std::vector<ScoreNote> PadChords(const std::vector<ChordSpan>& chords, int low, int high);

// The chord's notes one after the other, every step beats, rising then falling.
std::vector<ScoreNote> Arpeggio(const std::vector<ChordSpan>& chords, double step, int low, int high);

// A second voice under the melody on the nearest chord note a third to a sixth below.
std::vector<ScoreNote> HarmonyBelow(const std::vector<ScoreNote>& melody, const std::vector<ChordSpan>& chords);


}  // namespace mediagen
