// Written music as data: melodies in a compact note text and chord charts, both measured in beats.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

struct ScoreNote {
    double beat = 0.0;   // start, from the beginning of the piece
    double beats = 1.0;  // written length
    int midi = 60;       // 60 is middle C
    float velocity = 1.0f;
};

struct Melody {
    std::vector<ScoreNote> notes;
    std::vector<double> bars;  // length of each bar between '|' marks
    double beats = 0.0;
};

struct ChordSpan {
    double beat = 0.0;
    double beats = 0.0;
    int root = -1;               // pitch class 0 (C) to 11, -1 for no chord
    std::vector<int> intervals;  // semitones above the root
};

// "D4:1 B4 A4 G4 | D4:3 R:1": a pitch (letter, optional # or b, octave) or R for a rest, then
// ':' and the length in beats; a note without a length keeps the last one. '|' closes a bar.
// Throws std::invalid_argument naming the token it cannot read.
Melody ParseMelody(const std::string& text);

// "G | C D7 | A7:1 D:2": chord symbols (root, then nothing, m, 7, m7, maj7, 6, dim or sus4; N for none),
// bar by bar; chords without a length share what their bar has left. Throws std::invalid_argument.
std::vector<ChordSpan> ParseChords(const std::string& text, double beatsPerBar);

// Describes every bar whose length is not beatsPerBar; empty when all fit.
std::string CheckBars(const std::vector<double>& bars, double beatsPerBar);
std::vector<double> ChordBars(const std::string& text, double beatsPerBar);

std::vector<ScoreNote> Transpose(std::vector<ScoreNote> notes, int semitones);
std::vector<ScoreNote> Shift(std::vector<ScoreNote> notes, double beats);
std::vector<ChordSpan> Transpose(std::vector<ChordSpan> chords, int semitones);
std::vector<ChordSpan> Shift(std::vector<ChordSpan> chords, double beats);
void Append(std::vector<ScoreNote>& to, const std::vector<ScoreNote>& notes);
void Append(std::vector<ChordSpan>& to, const std::vector<ChordSpan>& chords);

// The chord sounding at a beat, or nullptr.
const ChordSpan* ChordAt(const std::vector<ChordSpan>& chords, double beat);
// Every note of the chord between low and high (MIDI numbers, inclusive), lowest first.
std::vector<int> ChordTones(const ChordSpan& chord, int low, int high);

}  // namespace mediagen
