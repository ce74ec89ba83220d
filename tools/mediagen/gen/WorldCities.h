// The world's cities of the game, in one place: the globe's city list, the city files and the kids' voices all come from it.
#pragma once

#include <vector>

namespace mediagen {

enum class WorldRegion { Europe, Russia, Africa, MiddleEast, SouthAsia, EastAsia, Oceania, NorthAmerica, LatinAmerica };

struct WorldCity {
    int number;              // 1..27: the city number of "navig\config.txt" and "act2\config\city_N.txt"
    const char* name;        // shown as the city's name on the globe
    const char* description; // shown under it: country or a short description
    int face;                // globe face 0..3 (1 is the face the globe starts on)
    double latitude;         // degrees north
    double longitude;        // degrees east
    WorldRegion region;      // decides the buildings of its ride
    const char* landmark;    // what the ride's landmark shows
    const char* language;    // espeak-ng voice for the child's thank-you
    const char* thankYou;    // the child's words, in that language
};

// Face 0 the Americas, 1 Europe and Africa, 2 Asia, 3 the Pacific; at least six a face.
const std::vector<WorldCity>& WorldCities();

// The North Pole's picture number ("navig\city_30.spx").
constexpr int kNorthPoleNumber = 30;

}  // namespace mediagen
