// Writes the install tree's credits.txt and the starting highscore.txt.
#include "MediaGenerator.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Shown one line a second in the highlight face, centred on a 640-pixel screen: every line
// stays short enough to fit, and every line ends with a line end because the game drops a
// last line without one.
const char* const kCreditLines[] = {
    "SKYRUN",
    "Glimmer's Holiday Flight",
    "",
    "A Snowglobe Games",
    "Production",
    "",
    "Starring",
    "Glimmer the Reindeer",
    "",
    "Game Design",
    "Nora Winterbourne",
    "Toby Hollis",
    "",
    "Programming",
    "Felix Frostwood",
    "Ada Pinecroft",
    "Milo Sledge",
    "",
    "Pictures",
    "Holly Ambervale",
    "Juniper Kettle",
    "",
    "Sounds",
    "Oscar Bellwood",
    "",
    "Music",
    "Traditional Carols",
    "from the Public Domain",
    "",
    "Jingle Bells",
    "Deck the Halls",
    "We Wish You a",
    "Merry Christmas",
    "",
    "Arranged by",
    "Ivy Tinsel",
    "",
    "Made With",
    "C++, SDL, cairo, pango",
    "libvorbis and espeak-ng",
    "",
    "Play Testers",
    "The Workshop Elves",
    "The Penguins (sorry!)",
    "",
    "Special Thanks",
    "Everyone at the North Pole",
    "and You, for Playing!",
    "",
    "Happy Holidays!",
};

struct StartingScore {
    const char* name;
    int level;
    int score;
    int delivered;
};

// Letters only, as a player could type them, sorted by score as the game keeps them.
const StartingScore kStartingScores[] = {
    {"Glimmer", 4, 9850, 7},
    {"Holly", 3, 6200, 4},
    {"Jasper", 2, 3400, 3},
    {"Noelle", 2, 2150, 1},
    {"Pip", 1, 800, 2},
};

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

void WriteTextFiles(const mediagen::OutputTree& out)
{
    std::string credits;
    for (const char* line : kCreditLines) credits += std::string(line) + "\n";
    mediagen::WriteOrThrow(out.InstallPath("credits.txt"), Bytes(credits));

    // The game keeps its players' scores in this very file: a rebuild must never wipe them.
    const std::string scorePath = out.InstallPath("highscore.txt");
    if (std::filesystem::exists(scorePath)) return;
    std::string scores;
    for (const StartingScore& entry : kStartingScores) {
        scores += std::string(entry.name) + "\n";
        scores += std::to_string(entry.level) + " " + std::to_string(entry.score) + " " +
                  std::to_string(entry.delivered) + "\n";
    }
    mediagen::WriteOrThrow(scorePath, Bytes(scores));
}

const mediagen::RegisterGenerator kReg("front-text", &WriteTextFiles);

} // namespace
