// Reading, sorting and safely rewriting highscore.txt.
#include "GlHighScoreTable.h"

#include "AzTextFiles.h"
#include "HighScoreFile.h"
#include "VlFile.h"
#include "VlLog.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <system_error>

const char* const GlHighScoreTable::kFileName = "highscore.txt";

void GlHighScoreTable::LoadHighScoreList()
{
    mEntries.clear();
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

bool GlHighScoreTable::WriteHighScoreListToDisk() const
{
    // The file object only finds a file that exists (under any letter case).
    // A missing list is created beside the program rather than losing the score.
    std::string path;
    if (!az::GetFullPath(Vl::kF_FromBinary, kFileName, path)) {
        if (VlGetBinaryPath(path) != VlOk) {
            azLog() << "GlHighScore::WriteHighScoreListToDisk- VlFileCreate failed.  Returning NULL object. "
                    << kFileName << "\n" << std::flush;
            return false;
        }
        path += kFileName;
        azLog() << "GlHighScore::WriteHighScoreListToDisk - no " << kFileName << " yet, creating it.\n" << std::flush;
    }

    // Written beside the list and renamed over it: the card program may read
    // the list at any moment, and a crash must never leave it half written.
    const std::string temporaryPath = path + ".new";
    std::ofstream out(temporaryPath, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out) {
        azLog() << "GlHighScore::WriteHighScoreListToDisk - Configfile in fail state after construction.\n"
                << std::flush;
        return false;
    }
    WriteTo(out);
    out.close();
    std::error_code error;
    if (out.fail()) {
        azLog() << "GlHighScore::WriteHighScoreListToDisk - could not write " << temporaryPath << "\n" << std::flush;
        std::filesystem::remove(temporaryPath, error);
        return false;
    }
    std::filesystem::rename(temporaryPath, path, error);
    if (error) {
        azLog() << "GlHighScore::WriteHighScoreListToDisk - could not replace " << path << "\n" << std::flush;
        std::filesystem::remove(temporaryPath, error);
        return false;
    }
    return true;
}

void GlHighScoreTable::ReadFrom(std::istream& in)
{
    HighScoreFile::ReadEntries(in, mEntries);
}

void GlHighScoreTable::WriteTo(std::ostream& out) const
{
    HighScoreFile::WriteEntries(out, mEntries);
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
    if (mEntries.empty())
        return true;
    // A hand-made file may hold more than five entries; only the shown five
    // count, or the player would be told of a high score that is then cut.
    size_t lowestShown = std::min(mEntries.size(), kShownEntries) - 1;
    return mEntries[lowestShown].score < score;
}
