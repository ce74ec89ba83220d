// Feeds arbitrary lines as command strings to the command parser and to a virtual drive with a disc.
#include "CdCommand.h"
#include "VirtualCdDrive.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Plays nothing; a play lasts a few "ticks", one per command sent.
class TickingOutput : public CdAudioOutput {
public:
    bool Play(const std::string& path, uint32_t fromMs, uint32_t toMs) override
    {
        mPlaying = path.find("track03") == std::string::npos; // one track that cannot be played
        mPosition = fromMs;
        mEnd = toMs == kToEnd ? fromMs + 3000 : toMs;
        return mPlaying;
    }
    void Stop() override { mPlaying = false; }
    bool IsPlaying() override
    {
        mPosition += 1000;
        mPlaying = mPlaying && mPosition < mEnd;
        return mPlaying;
    }
    uint32_t PositionMs() override { return mPosition; }

private:
    bool mPlaying = false;
    uint32_t mPosition = 0;
    uint32_t mEnd = 0;
};

std::string sFolder;

void RemoveDisc()
{
    for (const char* name : {"track02.wav", "track03.ogg", "track05.flac"})
        std::remove((sFolder + "/cd/" + name).c_str());
    rmdir((sFolder + "/cd").c_str());
    rmdir(sFolder.c_str());
}

const std::string& DiscFolder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/skyrun-fuzz-cd-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        sFolder = made;
        mkdir((sFolder + "/cd").c_str(), 0700);
        for (const char* name : {"track02.wav", "track03.ogg", "track05.flac"}) {
            if (FILE* file = std::fopen((sFolder + "/cd/" + name).c_str(), "wb"))
                std::fclose(file);
        }
        std::atexit(RemoveDisc);
        return sFolder;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ParseCdCommand(text);

    TickingOutput output;
    VirtualCdDrive drive(output, DiscFolder());
    int notes = 0;
    drive.SetNotifyHandler([&](CdNotify) {
        // A handler that answers with a command of its own, as an owner may.
        if (++notes < 8) {
            std::string reply;
            drive.SendCommand("status cdaudio position", reply);
        }
    });
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string reply;
        drive.SendCommand(text.substr(start, end - start), reply);
        drive.Update();
        start = end + 1;
    }
    return 0;
}
