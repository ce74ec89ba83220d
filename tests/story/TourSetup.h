// A tour on the current player as navigation leaves it: the cities spread over the four faces, one chosen.
#pragma once

#include "PlayerRecord.h"

#include <string>

// `cities` entries dealt to faces 0, 1, 2, 3, 0 ...; the first `delivered` are done; entry `chosen`
// (counted in dealing order) becomes the chosen one, or none when it is negative.
inline void SetUpTour(int cities, int delivered, int chosen)
{
    PlayerRecord& player = CurrentPlayer();
    for (auto& list : player.tourLists)
        list.clear();
    for (int i = 0; i < cities; ++i) {
        CityEntry entry;
        entry.name = "City " + std::to_string(i);
        entry.description = "A test city";
        entry.face = i % PlayerRecord::kGlobeFaces;
        entry.cityNumber = i + 1;
        entry.done = i < delivered;
        player.tourLists[entry.face].push_back(entry);
    }
    player.chosenEntry = nullptr;
    if (chosen >= 0 && chosen < cities) {
        const int face = chosen % PlayerRecord::kGlobeFaces;
        player.chosenEntry = &player.tourLists[face][chosen / PlayerRecord::kGlobeFaces];
        player.chosenCityNumber = player.chosenEntry->cityNumber;
    }
    player.tourSize = cities;
    player.deliveredCount = delivered;
}
