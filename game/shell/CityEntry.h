// One city of the navigation globe; the progress record keeps the master table and the tour of these.
#pragma once

#include <cstdint>
#include <string>

class AzBobSprite;

struct CityEntry {
    std::string name;
    std::string description;
    std::string pictureFile; // relative to "navig\"
    int32_t face = 0;        // globe face 0..3; -1 for the built-in entries
    int32_t flagX = 0;
    int32_t flagY = 0;
    int32_t ringX = 0;
    int32_t ringY = 0;
    int32_t corner = 0;      // 0..3 (the file gives 1..4)
    int32_t pictureX = 0;
    int32_t pictureY = 0;
    int32_t cityNumber = 0;
    bool done = false;
    AzBobSprite* picture = nullptr; // not owned here: navigation loads and frees it

    // Entries are the same city when their names and descriptions are equal.
    bool operator==(const CityEntry& other) const
    {
        return name == other.name && description == other.description;
    }
};
