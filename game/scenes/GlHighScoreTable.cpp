// Reading, sorting and safely rewriting highscore.txt.
#include "GlHighScoreTable.h"

#include "AzTextFiles.h"
#include "VlDurableFile.h"
#include "VlFile.h"
#include "VlLog.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

const char* const GlHighScoreTable::kFileName = "highscore.txt";
const char* const GlHighScoreTable::kBackupSuffix = ".bak";

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";

// Reads entries from the whole text of a list, line by line, as the stream
// reader of the format would, but able to step over what it cannot read.
class EntryReader {
public:
    explicit EntryReader(const std::string& text) : mText(text) {}

    // The next whole entry; false at the end of the text.
    bool Next(HighScoreEntry& entry)
    {
        while (mAt < mText.size()) {
            const size_t lineStart = mAt;
            if (ReadEntry(entry))
                return true;
            // Not an entry: the damaged entry is passed over one line at a
            // time, and each following line is tried as the start of one.
            mSkipped = true;
            const size_t lineEnd = mText.find('\n', lineStart);
            mAt = lineEnd == std::string::npos ? mText.size() : lineEnd + 1;
        }
        return false;
    }

    bool SkippedAnything() const { return mSkipped; }

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

    bool ReadEntry(HighScoreEntry& entry)
    {
        size_t at = mAt;
        const size_t lineEnd = mText.find('\n', at);
        if (lineEnd == std::string::npos)
            return false;
        // A CR before the line end (Windows) is not part of the name.
        size_t nameEnd = lineEnd;
        while (nameEnd > at && mText[nameEnd - 1] == '\r')
            --nameEnd;
        // An editor may have saved the list with a UTF-8 byte-order mark; it is
        // no part of a name, wherever sorting later puts that name.
        while (nameEnd - at >= 3 && mText.compare(at, 3, kByteOrderMark) == 0) {
            at += 3;
            mSkipped = true;
        }
        if (nameEnd - at > GlHighScoreTable::kMaxNameLength)
            return false;
        HighScoreEntry read;
        read.name.assign(mText, at, nameEnd - at);
        at = lineEnd + 1;
        if (!ReadNumber(at, read.level) || !ReadNumber(at, read.score) || !ReadNumber(at, read.delivered))
            return false;
        // After the third number only its line end; a last line cut short is not taken.
        while (at < mText.size() && (mText[at] == ' ' || mText[at] == '\t' || mText[at] == '\r'))
            ++at;
        if (at >= mText.size() || mText[at] != '\n')
            return false;
        mAt = at + 1;
        entry = std::move(read);
        return true;
    }

    // A 32-bit decimal number after white space (line ends included), as a
    // stream reads it; one that does not fit is not read.
    bool ReadNumber(size_t& at, int32_t& value) const
    {
        size_t i = at;
        while (i < mText.size() && IsSpace(mText[i]))
            ++i;
        bool negative = false;
        if (i < mText.size() && (mText[i] == '+' || mText[i] == '-')) {
            negative = mText[i] == '-';
            ++i;
        }
        const size_t digits = i;
        int64_t magnitude = 0;
        while (i < mText.size() && mText[i] >= '0' && mText[i] <= '9') {
            magnitude = magnitude * 10 + (mText[i] - '0');
            if (magnitude > int64_t{INT32_MAX} + 1)
                return false;
            ++i;
        }
        if (i == digits)
            return false;
        const int64_t signedValue = negative ? -magnitude : magnitude;
        if (signedValue > INT32_MAX)
            return false;
        value = static_cast<int32_t>(signedValue);
        at = i;
        return true;
    }

    const std::string& mText;
    size_t mAt = 0;
    bool mSkipped = false;
};

} // namespace

void GlHighScoreTable::Clear()
{
    mEntries.clear();
    mHadUnreadableParts = false;
}

void GlHighScoreTable::LoadHighScoreList()
{
    Clear();
    std::string path;
    if (!az::GetFullPath(Vl::kF_FromBinary, kFileName, path)) {
        azLog() << "GlHighScore::LoadHighScoreList- VlFileCreate failed.  Returning NULL object. " << kFileName
                << "\n" << std::flush;
        return;
    }

    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        azLog() << "GlHighScore::LoadHighScoreList - Configfile in fail state after construction.\n" << std::flush;
        return;
    }
    ReadFrom(in);
    Sort();
    for (const HighScoreEntry& entry : mEntries) {
        azLog() << "GlHighScore::LoadHighScoreList " << entry.name << " " << entry.level << " " << entry.score << " "
                << entry.delivered << " " << "\n" << std::flush;
    }
}

bool GlHighScoreTable::WriteHighScoreListToDisk()
{
    // The file object only finds a file that exists (under any letter case).
    // A missing list is created beside the program rather than losing the score.
    std::string path;
    bool exists = az::GetFullPath(Vl::kF_FromBinary, kFileName, path);
    // An installed game reads the starting list from its read-only data while the player has
    // none; the player's list is written in the player's own folder all the same.
    std::string ownFolder;
    if (exists && VlGetBinaryPath(ownFolder) == VlOk && path.compare(0, ownFolder.size(), ownFolder) != 0)
        exists = false;
    if (!exists) {
        if (VlGetBinaryPath(path) != VlOk) {
            azLog() << "GlHighScore::WriteHighScoreListToDisk- VlFileCreate failed.  Returning NULL object. "
                    << kFileName << "\n" << std::flush;
            return false;
        }
        path += kFileName;
        azLog() << "GlHighScore::WriteHighScoreListToDisk - no " << kFileName << " yet, creating it.\n" << std::flush;
    }

    // What could not be read is someone's score too: the damaged original is
    // kept before the first list that leaves it out replaces it.
    if (exists && mHadUnreadableParts) {
        std::ifstream original(path, std::ios::in | std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(original), std::istreambuf_iterator<char>()};
        const std::string backupPath = path + kBackupSuffix;
        if (!original || Vlu::ReplaceFileDurably(backupPath, bytes) != Vlu::ReplaceResult::Replaced) {
            azLog() << "GlHighScore::WriteHighScoreListToDisk - could not keep " << backupPath << "\n" << std::flush;
            return false;
        }
    }

    // Written beside the list and renamed over it: the card program may read
    // the list at any moment, and a crash must never leave it half written.
    std::ostringstream list;
    WriteTo(list);
    const Vlu::ReplaceResult result = Vlu::ReplaceFileDurably(path, list.str());
    if (result == Vlu::ReplaceResult::CannotCreate) {
        azLog() << "GlHighScore::WriteHighScoreListToDisk - Configfile in fail state after construction.\n"
                << std::flush;
        return false;
    }
    if (result == Vlu::ReplaceResult::CannotWrite) {
        azLog() << "GlHighScore::WriteHighScoreListToDisk - could not replace " << path << "\n" << std::flush;
        return false;
    }
    mHadUnreadableParts = false;
    return true;
}

void GlHighScoreTable::ReadFrom(std::istream& in)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EntryReader reader(text);
    HighScoreEntry entry;
    while (reader.Next(entry))
        mEntries.push_back(entry);
    mHadUnreadableParts = reader.SkippedAnything();
}

void GlHighScoreTable::WriteTo(std::ostream& out) const
{
    for (const HighScoreEntry& entry : mEntries) {
        out << entry.name << "\n";
        out << entry.level << " " << entry.score << " " << entry.delivered << "\n";
    }
    out.flush();
}

void GlHighScoreTable::Sort()
{
    std::stable_sort(mEntries.begin(), mEntries.end(),
                     [](const HighScoreEntry& a, const HighScoreEntry& b) { return a.score > b.score; });
}

void GlHighScoreTable::Add(const HighScoreEntry& entry)
{
    mEntries.push_back(entry);
    Sort();
    if (mEntries.size() > kShownEntries)
        mEntries.resize(kShownEntries);
}

bool GlHighScoreTable::IsHighScore(int32_t score) const
{
    // With a row of the list still empty, every finished game earns it.
    if (mEntries.size() < kShownEntries)
        return true;
    // A hand-made file may hold more than five entries; only the shown five
    // count, or the player would be told of a high score that is then cut.
    return mEntries[kShownEntries - 1].score < score;
}
