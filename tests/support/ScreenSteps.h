// Helpers of the screen tests: running the game while one screen lasts, counting a text in a log.
#pragma once

#include "HeadlessGame.h"

#include <string>

// Steps the game while the screen is current, at most limit times; the steps it took.
inline int StepWhile(HeadlessGame& game, const std::string& screen, int limit)
{
    int steps = 0;
    while (game.CurrentScreenName() == screen && steps < limit && game.Step())
        ++steps;
    return steps;
}

// How often part occurs in text (overlapping occurrences count too).
inline int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::string::size_type at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
