// Reading and writing the entries of highscore.txt, bounded by what the stream holds.
#include "HighScoreFile.h"

#include <istream>
#include <ostream>
#include <string>

namespace HighScoreFile {

namespace {

// The whole line up to its line end, without the CRs before it. False when
// the line is longer than the name may be.
bool ReadNameLine(std::istream& in, std::string& line)
{
    line.clear();
    bool tooLong = false;
    for (;;) {
        const std::istream::int_type c = in.get();
        if (c == std::istream::traits_type::eof() || c == '\n')
            break;
        // One character more than allowed is kept until the line is over:
        // it may be a CR that belongs to the line end.
        if (line.size() <= kMaxNameLength)
            line.push_back(static_cast<char>(c));
        else if (c != '\r')
            tooLong = true;
    }
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return !tooLong && line.size() <= kMaxNameLength;
}

// After the third number comes the line end. An entry counts only when its
// line end is really there: a last line cut short is not taken.
bool ReadLineEnd(std::istream& in)
{
    for (;;) {
        const std::istream::int_type c = in.get();
        if (c == '\n')
            return true;
        if (c != '\r' && c != ' ' && c != '\t')
            return false;
    }
}

} // namespace

void ReadEntries(std::istream& in, std::vector<HighScoreEntry>& entries)
{
    while (in.peek() != std::istream::traits_type::eof()) {
        HighScoreEntry entry;
        if (!ReadNameLine(in, entry.name))
            return;
        if (!(in >> entry.level >> entry.score >> entry.delivered))
            return;
        if (!ReadLineEnd(in))
            return;
        entries.push_back(entry);
    }
}

void WriteEntries(std::ostream& out, const std::vector<HighScoreEntry>& entries)
{
    for (const HighScoreEntry& entry : entries) {
        out << entry.name << "\n";
        out << entry.level << " " << entry.score << " " << entry.delivered << "\n";
    }
    out.flush();
}

} // namespace HighScoreFile
