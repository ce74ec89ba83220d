// The virtual drive's commands, its play range across track files, and notifications.
#include "VirtualCdDrive.h"

#include <cstdio>
#include <utility>

namespace {

bool Before(uint32_t trackA, uint32_t offsetA, uint32_t trackB, uint32_t offsetB)
{
    return trackA < trackB || (trackA == trackB && offsetA < offsetB);
}

std::string FormatTmsf(uint32_t track, uint32_t offsetMs)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u:%02u", track % 100, (offsetMs / 60000) % 100,
                  (offsetMs / 1000) % 60, (offsetMs % 1000) * 75 / 1000);
    return text;
}

} // namespace

VirtualCdDrive::VirtualCdDrive(CdAudioOutput& output, std::string programFolder)
    : mOutput(output), mProgramFolder(std::move(programFolder)), mDisc(CdDisc::Scan(mProgramFolder))
{
    mStoppedAt = Spot{mDisc.FirstAudioTrack(), 0};
}

const char* VirtualCdDrive::ErrorText(CdError error)
{
    switch (error) {
    case CdError::None:
        return "The specified command was carried out.";
    case CdError::NoDisc:
        return "The drive has no disc.";
    case CdError::UnknownCommand:
        return "The command is not recognized.";
    case CdError::OutOfRange:
        return "The track or position is out of range.";
    case CdError::CannotPlay:
        return "The track cannot be played.";
    }
    return "";
}

void VirtualCdDrive::SetNotifyHandler(std::function<void(CdNotify)> handler)
{
    mNotifyHandler = std::move(handler);
}

bool VirtualCdDrive::SendCommand(const std::string& text, std::string& reply)
{
    reply.clear();
    Advance();
    const std::optional<CdCommand> command = ParseCdCommand(text);
    bool done = false;
    if (!command) {
        done = Fail(CdError::UnknownCommand);
    } else {
        if (command->verb == CdVerb::Open && !mPlaying) {
            mDisc = CdDisc::Scan(mProgramFolder);
            if (mStoppedAt.track == 0 || !mDisc.TrackFile(mStoppedAt.track))
                mStoppedAt = Spot{mDisc.FirstAudioTrack(), 0};
        }
        if (!mDisc.IsPresent()) {
            done = Fail(CdError::NoDisc);
        } else {
            mLastError = CdError::None;
            done = Carry(*command, reply);
        }
        if (!done)
            reply.clear();
        if (command->notify) {
            // A later command asking for notice takes it over from a play still running.
            if (mNotifyPending && command->verb != CdVerb::Play) {
                mNotifyPending = false;
                Notify(CdNotify::Superseded);
            }
            if (command->verb == CdVerb::Play && done)
                mNotifyPending = true;
            else
                Notify(done ? CdNotify::Successful : CdNotify::Failure);
        }
    }
    DeliverNotifications();
    return done;
}

void VirtualCdDrive::Update()
{
    Advance();
    DeliverNotifications();
}

bool VirtualCdDrive::Carry(const CdCommand& command, std::string& reply)
{
    switch (command.verb) {
    case CdVerb::Open:
    case CdVerb::Set:
        return true;
    case CdVerb::Close:
    case CdVerb::Stop:
    case CdVerb::Pause:
        StopPlay();
        return true;
    case CdVerb::Play:
        return Play(command);
    case CdVerb::Status:
        break;
    }
    switch (command.item) {
    case CdStatusItem::NumberOfTracks:
        reply = std::to_string(mDisc.TrackCount());
        return true;
    case CdStatusItem::Mode:
        reply = mPlaying ? "playing" : "stopped";
        return true;
    case CdStatusItem::Position: {
        const Spot here = Here();
        reply = FormatTmsf(here.track, here.offsetMs);
        return true;
    }
    case CdStatusItem::CurrentTrack:
        reply = std::to_string(Here().track);
        return true;
    case CdStatusItem::None:
        break;
    }
    return Fail(CdError::UnknownCommand);
}

bool VirtualCdDrive::Play(const CdCommand& command)
{
    const uint32_t trackCount = mDisc.TrackCount();
    Spot start = mPlaying ? Here() : mStoppedAt;
    if (command.from)
        start = Spot{command.from->track, command.from->OffsetMs()};
    // A play with no end, or one past the last track, runs to the end of the disc.
    Spot end{trackCount + 1, 0};
    if (command.to && command.to->track <= trackCount)
        end = Spot{command.to->track, command.to->OffsetMs()};

    if (start.track > trackCount || !mDisc.TrackFile(start.track) ||
        !Before(start.track, start.offsetMs, end.track, end.offsetMs))
        return Fail(CdError::OutOfRange);

    StopPlay();
    mEnd = end;
    if (!StartTrack(start.track, start.offsetMs)) {
        mStoppedAt = start;
        return Fail(CdError::CannotPlay);
    }
    return true;
}

bool VirtualCdDrive::StartTrack(uint32_t track, uint32_t fromMs)
{
    const std::string* file = mDisc.TrackFile(track);
    if (!file)
        return false;
    const uint32_t toMs = track == mEnd.track ? mEnd.offsetMs : CdAudioOutput::kToEnd;
    if (!mOutput.Play(*file, fromMs, toMs))
        return false;
    mPlaying = true;
    mTrack = track;
    return true;
}

void VirtualCdDrive::StopPlay()
{
    if (mPlaying) {
        mStoppedAt = Here();
        mOutput.Stop();
        mPlaying = false;
    }
    if (mNotifyPending) {
        mNotifyPending = false;
        Notify(CdNotify::Aborted);
    }
}

void VirtualCdDrive::Advance()
{
    if (!mPlaying || mOutput.IsPlaying())
        return;
    const Spot finished{mTrack, mOutput.PositionMs()};
    mPlaying = false;
    // Tracks without a file between here and the end are passed over.
    for (uint32_t next = mTrack + 1; Before(next, 0, mEnd.track, mEnd.offsetMs); ++next) {
        if (StartTrack(next, 0))
            return;
    }
    mStoppedAt = finished;
    if (mNotifyPending) {
        mNotifyPending = false;
        Notify(CdNotify::Successful);
    }
}

VirtualCdDrive::Spot VirtualCdDrive::Here()
{
    if (mPlaying)
        return Spot{mTrack, mOutput.PositionMs()};
    return mStoppedAt;
}

bool VirtualCdDrive::Fail(CdError error)
{
    mLastError = error;
    return false;
}

void VirtualCdDrive::Notify(CdNotify code)
{
    mUndelivered.push_back(code);
}

void VirtualCdDrive::DeliverNotifications()
{
    // Taken out first: the handler may send commands that notify again.
    std::vector<CdNotify> codes;
    codes.swap(mUndelivered);
    if (!mNotifyHandler)
        return;
    for (CdNotify code : codes)
        mNotifyHandler(code);
}
