// The format of highscore.txt as the game writes and reads it: a name line, then "level score delivered".
#pragma once

#include "HighScoreEntry.h"

#include <cstddef>
#include <iosfwd>
#include <vector>

namespace HighScoreFile {

inline constexpr size_t kMaxNameLength = 255;

// Appends the entries of a stream. Reading stops at the first entry that is
// not whole (a last number line without a line end, numbers that cannot be
// read, a name line longer than 255 characters) and keeps what came before.
// CR LF line ends read like LF.
void ReadEntries(std::istream& in, std::vector<HighScoreEntry>& entries);
void WriteEntries(std::ostream& out, const std::vector<HighScoreEntry>& entries);

} // namespace HighScoreFile
