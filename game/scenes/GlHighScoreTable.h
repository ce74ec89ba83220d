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
    // Beside the list: the last damaged original.
    static const char* const kBackupSuffix;

    // Reads highscore.txt from the working directory; a missing or unreadable
    // file leaves the list empty and writes a log line.
    void LoadHighScoreList();
    // Replaces highscore.txt (creating it when missing) through a temporary
    // file that reaches the disk before it is renamed over the list, so a crash
    // or a power loss leaves the old list or the new one. When the list was read
    // from a damaged file, the original is first kept as highscore.txt.bak.
    // False after a log line.
    bool WriteHighScoreListToDisk();

    // Appends the entries of a stream in file format. An entry that cannot be
    // read (numbers missing, out of range or followed by more on their line, a
    // name line longer than 255 characters, a last number line without a line
    // end) is skipped up to the next line that starts a whole entry, and reading
    // goes on. CR LF line ends read like LF; a byte-order mark at the start is
    // not part of the first name.
    void ReadFrom(std::istream& in);
    void WriteTo(std::ostream& out) const;
    // True when the last read skipped something.
    bool HadUnreadableParts() const { return mHadUnreadableParts; }

    // Highest score first; equal scores keep their order.
    void Sort();
    // Appends, sorts and keeps the best five.
    void Add(const HighScoreEntry& entry);
    // True when the score would make the shown list: while fewer than five are
    // listed any score does; otherwise it must beat the lowest shown score.
    bool IsHighScore(int32_t score) const;

    const std::vector<HighScoreEntry>& Entries() const { return mEntries; }
    void Clear();

private:
    std::vector<HighScoreEntry> mEntries;
    bool mHadUnreadableParts = false;
};
