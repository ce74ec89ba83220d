// One entry of highscore.txt: who played, how far, how many points and deliveries. Both programs read it.
#pragma once

#include <cstdint>
#include <string>

struct HighScoreEntry {
    std::string name;      // as typed: letters and spaces, at most 255 characters
    int32_t level = 0;     // the card program reads this as the player's level
    int32_t score = 0;
    int32_t delivered = 0; // cities delivered in the last level played
};
