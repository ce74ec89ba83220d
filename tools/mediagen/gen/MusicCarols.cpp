// Melodies and chords of the carols, written in their usual keys.
#include "MusicCarols.h"

namespace mediagen {

Carol JingleBells()
{
    Carol c;
    c.title = "Jingle Bells";
    c.beatsPerBar = 4;
    c.sections.push_back({
        "D4:1 B4 A4 G4 | D4:3 D4:0.5 D4 | D4:1 B4 A4 G4 | E4:4 |"
        "E4:1 C5 B4 A4 | F#4:4 | D5:1 D5 C5 A4 | B4:4 |"
        "D4:1 B4 A4 G4 | D4:4 | D4:1 B4 A4 G4 | E4:3 E4:1 |"
        "E4:1 C5 B4 A4 | D5:1 D5 D5 D5 | E5:1 D5 C5 A4 | G4:2 D5:2 |",
        "G | G | G | C | Am | D | D7 | G | G | G | G | C | Am | D7 | D7 | G:2 D7:2 |"});
    c.sections.push_back({
        "B4:1 B4 B4:2 | B4:1 B4 B4:2 | B4:1 D5 G4:1.5 A4:0.5 | B4:4 |"
        "C5:1 C5 C5:1.5 C5:0.5 | C5:1 B4 B4 B4:0.5 B4 | B4:1 A4 A4 B4 | A4:2 D5:2 |"
        "B4:1 B4 B4:2 | B4:1 B4 B4:2 | B4:1 D5 G4:1.5 A4:0.5 | B4:4 |"
        "C5:1 C5 C5:1.5 C5:0.5 | C5:1 B4 B4 B4:0.5 B4 | D5:1 D5 C5 A4 | G4:4 |",
        "G | G | G | G | C | G | A7 | D7 | G | G | G | G | C | G | D7 | G |"});
    c.lastBar = "G4:4";
    c.lastBarChords = "G";
    return c;
}

Carol DeckTheHalls()
{
    Carol c;
    c.title = "Deck the Halls";
    c.beatsPerBar = 4;
    c.transpose = 5;  // written in C, played in F
    const std::string line = "G4:1.5 F4:0.5 E4:1 D4 | C4:1 D4 E4 C4 | D4:0.5 E4 F4 D4 E4:1.5 D4:0.5 | C4:1 B3 C4:2 |";
    const std::string lineChords = "C | F:2 C:2 | G7:2 C:2 | G7:2 C:2 |";
    c.sections.push_back({
        line + line +
            "D4:1.5 E4:0.5 F4:1 D4 | E4:1.5 F4:0.5 G4:1 D4 | E4:0.5 F#4 G4:1 A4:0.5 B4 C5:1 | B4:1 A4 G4:2 |"
            "G4:1.5 F4:0.5 E4:1 D4 | C4:1 D4 E4 C4 | A4:0.5 A4 A4 A4 G4:1.5 F4:0.5 | E4:1 D4 C4:2 |",
        lineChords + lineChords +
            "G7 | C:2 G:2 | D7:2 G:2 | G:1 D7:1 G:2 |"
            "C | F:2 C:2 | F:2 G7:2 | C:1 G7:1 C:2 |"});
    c.lastBar = "E4:1 D4 C4:2";
    c.lastBarChords = "C:1 G7:1 C:2";
    return c;
}

Carol WeWishYouAMerryChristmas()
{
    Carol c;
    c.title = "We Wish You a Merry Christmas";
    c.beatsPerBar = 3;
    c.transpose = 2;  // written in G, played in A
    c.sections.push_back({
        "G4:1 G4:0.5 A4 G4 F#4 | E4:1 E4 E4 | A4:1 A4:0.5 B4 A4 G4 | F#4:1 D4 D4 |"
        "B4:1 B4:0.5 C5 B4 A4 | G4:1 E4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |"
        "G4:1 G4 G4 | F#4:2 F#4:1 | G4:1 F#4 E4 | D4:2 A4:1 |"
        "B4:1 A4 G4 | D5:1 D4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |",
        "G | C | A7 | D | B7 | Em | C:1 D7:2 | G:2 D7:1 |"
        "G | D | Em | D:2 D7:1 | G | G:1 D7:2 | C:1 D7:2 | G:2 D7:1 |"});
    c.lastBar = "G4:3";
    c.lastBarChords = "G";
    c.pickup = "R:2 D4:1";
    return c;
}

std::vector<Carol> AllCarols()
{
    return {JingleBells(), DeckTheHalls(), WeWishYouAMerryChristmas()};
}

}  // namespace mediagen
