// The "music" group: renders the three CD tracks and writes them as Ogg Vorbis into cd/.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "MediaGenerator.h"
#include "MusicTracks.h"
#include "audio/VorbisEncoder.h"

namespace mediagen {
namespace {

constexpr float kQuality = 0.35f;

struct TrackJob {
    const char* path;
    StereoTrack (*render)();
    int serial;
    std::vector<std::uint8_t> bytes;
};

void RunJob(TrackJob& job)
{
    const StereoTrack track = job.render();
    job.bytes = VorbisEncoder::Encode(track.left, track.right, track.sampleRate, kQuality, job.serial);
}

void GenerateMusic(const OutputTree& out)
{
    // Each track is rendered and encoded on its own from fixed inputs, so running them side by side
    // gives the same bytes as running them one after the other.
    TrackJob jobs[] = {
        {"cd/track02.ogg", &MenuTrack, 0x534B0002, {}},
        {"cd/track03.ogg", &WorkshopTrack, 0x534B0003, {}},
        {"cd/track04.ogg", &FlightTrack, 0x534B0004, {}},
    };
    std::vector<std::thread> workers;
    for (TrackJob& job : jobs)
        workers.emplace_back([&job] { RunJob(job); });
    for (std::thread& worker : workers)
        worker.join();
    for (const TrackJob& job : jobs) {
        if (job.bytes.empty())
            throw std::runtime_error(std::string("the Vorbis encoder refused ") + job.path);
        WriteOrThrow(out.InstallPath(job.path), job.bytes);
    }
}

const RegisterGenerator kRegistration("music", &GenerateMusic);

}  // namespace
}  // namespace mediagen
