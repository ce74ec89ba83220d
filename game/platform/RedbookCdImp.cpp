// Track play, stop and the looping poll, as the drive's command strings.
#include "RedbookCdImp.h"

#include "VlHost.h"

#include <new>

namespace Vl {

namespace {

// The reply is read as the drive's status buffer always was: at most the
// given number of characters, then a decimal number from its start.
uint32_t ReadDecimal(const std::string& reply, size_t limit)
{
    uint64_t value = 0;
    for (size_t i = 0; i < reply.size() && i < limit; ++i) {
        const char c = reply[i];
        if (c < '0' || c > '9')
            break;
        value = value * 10 + static_cast<uint32_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return 0;
    }
    return static_cast<uint32_t>(value);
}

// The queries the game never asks answer a fixed value, and 0.
template <typename Value>
VlResult Answer(Value* out, Value value)
{
    if (out)
        *out = value;
    return VlReportError(VlOk);
}

} // namespace

Redbook::Redbook() : Base(static_cast<uint32_t>(VlFourCC("redb")))
{
}

RedbookCdImp::RedbookCdImp(CdDrive* drive) : mDrive(drive)
{
    Send("open cdaudio shareable");
    Send("set cdaudio time format tmsf");
}

RedbookCdImp::~RedbookCdImp()
{
    if (mActive)
        Stop();
    Send("close cdaudio");
}

std::string RedbookCdImp::Send(const std::string& command)
{
    std::string reply;
    if (!mDrive || !mDrive->SendCommand(command, reply))
        reply.clear();
    return reply;
}

VlResult RedbookCdImp::GetDriveCount(uint32_t* count)
{
    return Answer(count, 1u);
}

VlResult RedbookCdImp::GetDriveIndex(uint32_t* index)
{
    return Answer(index, 1u);
}

VlResult RedbookCdImp::Play(uint32_t track, bool loop)
{
    // A drive without a disc answers nothing, read as 0 tracks: the play then
    // names an end track, fails like every other command, and stays silent.
    const uint32_t trackCount = ReadDecimal(Send("status cdaudio number of tracks"), 12);
    const std::string from = "play cdaudio from " + std::to_string(track) + ":00:00:00";
    if (trackCount != track)
        Send(from + " to " + std::to_string(static_cast<uint64_t>(track) + 1) + ":00:00:00");
    else
        Send(from);
    mPaused = false;
    mLoop = loop;
    mTrack = track;
    mActive = true;
    return VlReportError(VlOk);
}

VlResult RedbookCdImp::Stop()
{
    Send("stop cdaudio");
    mPaused = false;
    mLoop = false;
    return VlReportError(VlOk);
}

VlResult RedbookCdImp::Pause()
{
    return VlReportError(VlOk);
}

VlResult RedbookCdImp::Resume()
{
    return VlReportError(VlOk);
}

VlResult RedbookCdImp::IsReady(bool* ready)
{
    return Answer(ready, true);
}

VlResult RedbookCdImp::IsPaused(bool* paused)
{
    return Answer(paused, mPaused);
}

VlResult RedbookCdImp::SetVolume(uint32_t, uint32_t)
{
    return VlReportError(VlOk);
}

VlResult RedbookCdImp::SetPosition(uint32_t, uint32_t)
{
    return VlReportError(VlOk);
}

VlResult RedbookCdImp::Poll()
{
    if (!mLoop)
        return VlReportError(VlOk);
    // Only the first 8 characters of the reply were ever looked at.
    if (Send("status cdaudio mode").substr(0, 8) != "stopped")
        return VlReportError(VlOk);
    return Play(mTrack, true);
}

} // namespace Vl

VlResult VlRedbookCreate(Vl::Redbook** player)
{
    if (!player)
        return VlReportError(ErrParam);
    Vl::Redbook* made = new (std::nothrow) Vl::RedbookCdImp(Vl::GetHost().cd);
    if (!made)
        return VlReportError(ErrMemFull);
    *player = made;
    return VlReportError(VlOk);
}
