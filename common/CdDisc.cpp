// Finding the track files, ignoring the case of every name.
#include "CdDisc.h"

#include <filesystem>
#include <system_error>

namespace {

std::string Lowered(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The rank of an extension when one track has several files: lower wins.
int ExtensionRank(const std::string& extension)
{
    if (extension == "ogg")
        return 0;
    if (extension == "wav")
        return 1;
    if (extension == "flac")
        return 2;
    return -1;
}

// "track03.ogg" -> 3 and rank 0; 0 when the name is not a track file.
uint32_t TrackNumber(const std::string& lowerName, int* rank)
{
    if (lowerName.size() < 9 || lowerName.compare(0, 5, "track") != 0 || lowerName[7] != '.')
        return 0;
    const char tens = lowerName[5];
    const char ones = lowerName[6];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
        return 0;
    *rank = ExtensionRank(lowerName.substr(8));
    if (*rank < 0)
        return 0;
    return static_cast<uint32_t>((tens - '0') * 10 + (ones - '0'));
}

} // namespace

CdDisc CdDisc::Scan(const std::string& programFolder)
{
    namespace fs = std::filesystem;
    CdDisc disc;
    std::error_code error;
    const fs::path base = programFolder.empty() ? fs::path(".") : fs::path(programFolder);

    fs::path folder = base / "cd";
    if (!fs::is_directory(folder, error))
        folder.clear();
    for (fs::directory_iterator it(base, error), end; folder.empty() && !error && it != end; it.increment(error)) {
        if (Lowered(it->path().filename().string()) == "cd" && it->is_directory(error)) {
            folder = it->path();
            break;
        }
    }
    if (folder.empty())
        return disc;

    std::map<uint32_t, int> ranks;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        int rank = 0;
        const uint32_t track = TrackNumber(Lowered(it->path().filename().string()), &rank);
        if (track == 0)
            continue;
        auto known = ranks.find(track);
        if (known == ranks.end() || rank < known->second) {
            ranks[track] = rank;
            disc.mTracks[track] = it->path().string();
        }
    }
    return disc;
}

uint32_t CdDisc::TrackCount() const
{
    return mTracks.empty() ? 0 : mTracks.rbegin()->first;
}

const std::string* CdDisc::TrackFile(uint32_t track) const
{
    auto found = mTracks.find(track);
    return found == mTracks.end() ? nullptr : &found->second;
}

uint32_t CdDisc::FirstAudioTrack() const
{
    return mTracks.empty() ? 0 : mTracks.begin()->first;
}
