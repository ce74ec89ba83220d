// The players cardwright offers at its login, read from highscore.txt field by field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct PlayerEntry {
    std::string name;
    int32_t level = 0;  // the first number of the player's record: the level reached in the game
    int32_t second = 0; // kept, not used
    int32_t third = 0;  // kept, not used
};

class PlayerTable {
public:
    static constexpr size_t kCapacity = 50;
    // A field longer than this keeps only its start.
    static constexpr size_t kMaxFieldLength = 255;
    // Bytes looked at in one file; a list of 50 players is far shorter.
    static constexpr size_t kMaxBytes = 1 << 20;

    // Reads rows until the stream ends or the table is full. Fields are split
    // the way the login always read the file: leading blanks skipped, a field
    // ends at a comma or a line end, one that starts like a number also at a
    // blank. Empty fields before a name are passed over; a name that is the
    // last field of the file is dropped. Numbers missing at the end read as 0.
    void ReadFrom(std::istream& in);

    const std::vector<PlayerEntry>& Rows() const { return mRows; }
    int16_t Count() const { return static_cast<int16_t>(mRows.size()); }
    void Clear() { mRows.clear(); }

    // The level of the first row named exactly `name` (case counts); 0 when none is.
    int32_t LevelOf(const std::string& name) const;
    bool Contains(const std::string& name) const;

private:
    std::vector<PlayerEntry> mRows;
};
