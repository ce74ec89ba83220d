// The public-domain carols the CD tracks are arranged from, as melody and chord texts.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

struct CarolSection {
    std::string melody;  // see ParseMelody
    std::string chords;  // see ParseChords
};

struct Carol {
    std::string title;
    int beatsPerBar = 4;
    int transpose = 0;         // semitones from the written key to the played key
    std::vector<CarolSection> sections;  // played in order; a repeat plays them again
    std::string lastBar;       // replaces the melody of the final bar at the very end (a closing note on the tonic)
    std::string lastBarChords; // and its chords, so the piece closes on the home chord
    std::string pickup;        // a bar played before the first section (rests, then the lead-in notes)
};

Carol JingleBells();
Carol DeckTheHalls();
Carol WeWishYouAMerryChristmas();
std::vector<Carol> AllCarols();

}  // namespace mediagen
