// The current player: everything one screen hands to the next about the game in progress.
#pragma once

#include "CityEntry.h"

#include <array>
#include <cstdint>
#include <vector>

struct PlayerRecord {
    static constexpr int kCityTableSize = 27;
    static constexpr int kGlobeFaces = 4;

    int32_t score = 0;
    int32_t giftCount = 0;
    int32_t giftQuota = 0;
    float health = 1.0f;
    int32_t level = 1;
    int32_t lives = 5;
    // What the totals screen does next: 0 game over, 1 act 1 won, 2 a city
    // delivered and more to visit, 3 the level's last city delivered, 4 level celebrated.
    int32_t outcome = 0;
    std::array<CityEntry, kCityTableSize> cityTable{};
    std::array<std::vector<CityEntry>, kGlobeFaces> tourLists{};
    CityEntry* chosenEntry = nullptr; // points into tourLists
    int32_t chosenCityNumber = 0;
    int32_t deliveredCount = 0;
    int32_t tourSize = 0;
    bool gameFinished = false;

    // What the main menu does when it loads: a new game with 3 lives. The
    // outcome, the city data and the tour counters are left alone on purpose;
    // navigation re-initialises them whenever it builds a tour.
    void ResetForNewGame();
};

// Cities to deliver in a level: 1 -> 4, 2 -> 6, 3 -> 9, 4 -> 12, 5 and above -> 15.
int32_t TourSizeForLevel(int32_t level);

// The one process-wide record.
PlayerRecord& CurrentPlayer();
// A fresh record, as at program start (tests and the playtest tool).
void ResetCurrentPlayer();
