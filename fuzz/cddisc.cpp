// Makes a program folder from arbitrary bytes (a disc folder name, then file names, one a
// line) and lets the virtual drive scan it as its disc and play every track it finds.
#include "CdDisc.h"
#include "HeadlessCdAudioOutput.h"
#include "VirtualCdDrive.h"
#include "mediafolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr size_t kMostFiles = 24;
constexpr size_t kLongestName = 40;

// A name the file system takes: no separators, no zero bytes, not "." or "..".
std::string FileName(std::string name)
{
    if (name.size() > kLongestName)
        name.resize(kLongestName);
    for (char& c : name) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    if (name == "." || name == "..")
        name.clear();
    return name;
}

std::vector<std::string> Lines(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < size && lines.size() <= kMostFiles; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(data[i]));
        }
    }
    lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace fs = std::filesystem;
    const fs::path program = fs::path(fuzzmedia::Folder()) / "program";
    std::error_code ignored;
    fs::remove_all(program, ignored);
    fs::create_directories(program, ignored);

    const std::vector<std::string> lines = Lines(data, size);
    const std::string discName = FileName(lines[0]).empty() ? "cd" : FileName(lines[0]);
    fs::create_directories(program / discName, ignored);
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string name = FileName(lines[i]);
        if (name.empty())
            continue;
        // Every third name becomes a folder: a folder named like a track is no track.
        if (i % 3 == 0) {
            fs::create_directories(program / discName / name, ignored);
        } else {
            std::vector<uint8_t> body(lines[i].begin(), lines[i].end());
            fuzzmedia::WriteFile("program/" + discName + "/" + name, body.data(), body.size());
        }
    }

    const CdDisc disc = CdDisc::Scan(program.string());
    if (disc.IsPresent()) {
        if (disc.FirstAudioTrack() == 0 || disc.FirstAudioTrack() > disc.TrackCount() ||
            disc.TrackFile(disc.FirstAudioTrack()) == nullptr || disc.TrackFile(disc.TrackCount()) == nullptr)
            std::abort();
    } else if (disc.TrackCount() != 0 || disc.FirstAudioTrack() != 0) {
        std::abort();
    }

    Vl::HeadlessCdAudioOutput output;
    VirtualCdDrive drive(output, program.string());
    std::string reply;
    drive.SendCommand("open cdaudio shareable", reply);
    drive.SendCommand("status cdaudio number of tracks", reply);
    for (uint32_t track = 1; track <= disc.TrackCount() + 1 && track < 100; ++track) {
        drive.SendCommand("status cdaudio length track " + std::to_string(track), reply);
        drive.SendCommand("play cdaudio from " + std::to_string(track), reply);
        drive.SendCommand("status cdaudio position", reply);
        drive.Update();
    }
    drive.SendCommand("stop cdaudio", reply);
    drive.SendCommand("close cdaudio", reply);
    return 0;
}
