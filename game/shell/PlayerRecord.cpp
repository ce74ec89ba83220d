// The one progress record of the game.
#include "PlayerRecord.h"

void PlayerRecord::ResetForNewGame()
{
    health = 1.0f;
    lives = 3;
    level = 1;
    score = 0;
    giftCount = 0;
    gameFinished = false;
}

int32_t TourSizeForLevel(int32_t level)
{
    switch (level) {
    case 1: return 4;
    case 2: return 6;
    case 3: return 9;
    case 4: return 12;
    default: return 15; // 5 and above, and any other value
    }
}

namespace {
PlayerRecord gCurrentPlayer;
}

PlayerRecord& CurrentPlayer()
{
    return gCurrentPlayer;
}

void ResetCurrentPlayer()
{
    gCurrentPlayer = PlayerRecord();
}
