// The command strings the CD drive understands, parsed into their parts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class CdVerb { Open, Close, Set, Status, Play, Stop, Pause };

enum class CdStatusItem { None, NumberOfTracks, Mode, Position, CurrentTrack };

// A position in tracks, minutes, seconds and frames (75 to a second).
struct CdPosition {
    uint32_t track = 0;
    uint32_t minutes = 0;
    uint32_t seconds = 0;
    uint32_t frames = 0;

    // Milliseconds from the start of the track.
    uint32_t OffsetMs() const { return minutes * 60000 + seconds * 1000 + frames * 1000 / 75; }
};

struct CdCommand {
    CdVerb verb = CdVerb::Open;
    CdStatusItem item = CdStatusItem::None;
    std::optional<CdPosition> from;
    std::optional<CdPosition> to;
    bool notify = false; // report the end of the command to the drive's owner
};

// Accepts, ignoring case and extra blanks, for the device "cdaudio":
//   open [shareable]; close; set time format tmsf;
//   status number of tracks | mode | position | current track;
//   play [from T[:M[:S[:F]]]] [to T[:M[:S[:F]]]]; stop; pause;
// each optionally followed by "notify" or "wait". Anything else is refused.
std::optional<CdCommand> ParseCdCommand(std::string_view text);
