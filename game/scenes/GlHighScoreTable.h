// The high-score list and its file highscore.txt, shared by the game and the card program.
#pragma once

#include "HighScoreEntry.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// The file holds, per entry, a name line and a line "level score delivered".
// There is no header or count: the file ends after the last number line.
class GlHighScoreTable {
public:
    static constexpr size_t kShownEntries = 5;
    static constexpr size_t kMaxNameLength = 255;
    static const char* const kFileName;

    // Reads highscore.txt from the working directory; a missing or unreadable
    // file leaves the list empty and writes a log line.
    void LoadHighScoreList();
    // Replaces highscore.txt (creating it when missing) through a temporary
    // file, so a crash never leaves it half written. False after a log line.
    bool WriteHighScoreListToDisk() const;

    // Appends the entries of a stream in file format. Reading stops at the
    // first entry that is not whole (a last number line without a line end,
    // numbers that cannot be read, a name line longer than 255 characters) and
    // keeps what was read before it. CR LF line ends read like LF.
    void ReadFrom(std::istream& in);
    void WriteTo(std::ostream& out) const;

    // Highest score first; equal scores keep their order.
    void Sort();
    // Appends, sorts and keeps the best five.
    void Add(const HighScoreEntry& entry);
    // True when the score would make the shown list: it beats the lowest
    // shown score, or there is no score to beat.
    bool IsHighScore(int32_t score) const;

    const std::vector<HighScoreEntry>& Entries() const { return mEntries; }
    void Clear() { mEntries.clear(); }

private:
    std::vector<HighScoreEntry> mEntries;
};
