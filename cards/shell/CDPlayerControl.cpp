// Track choice, play, stop, resume and the move to the next track when one ends.
#include "CDPlayerControl.h"

#include "VirtualCdDrive.h"

#include <QMetaObject>

#include <charconv>
#include <exception>

namespace {

std::string Position(int32_t track)
{
    return std::to_string(track) + ":00:00:00";
}

// The leading decimal number of a reply; -1 when it has none.
int32_t LeadingNumber(const std::string& text)
{
    int32_t value = -1;
    const char* begin = text.data();
    while (begin != text.data() + text.size() && *begin == ' ')
        ++begin;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    return error == std::errc() ? value : -1;
}

} // namespace

CDPlayerControl::CDPlayerControl(VirtualCdDrive* drive, QObject* parent) : QObject(parent), mDrive(drive)
{
    mUpdateTimer.setInterval(kUpdateIntervalMs);
    connect(&mUpdateTimer, &QTimer::timeout, this, [this] {
        if (mDrive)
            mDrive->Update();
    });
}

CDPlayerControl::~CDPlayerControl()
{
    End();
    if (mDrive)
        mDrive->SetNotifyHandler(nullptr);
}

bool CDPlayerControl::Send(const std::string& command, std::string* reply)
{
    std::string ignored;
    return mDrive->SendCommand(command, reply ? *reply : ignored);
}

void CDPlayerControl::Start()
{
    mFirstAudio = 2;
    mLastAudio = 4;
    // Shareable and without "wait": no command holds up the window.
    if (!mDrive) {
        ReportError(QStringLiteral("No audio output for the CD"));
        mOpen = false;
        return;
    }
    // The drive reports a play's end from inside a command or an update; the
    // player answers it from the event loop, after whatever command is running.
    mDrive->SetNotifyHandler([this](CdNotify code) {
        const int value = static_cast<int>(code);
        QMetaObject::invokeMethod(this, [this, value] { HandleNotify(value); }, Qt::QueuedConnection);
    });
    if (!Send("open cdaudio shareable")) {
        ReportDeviceError();
        mOpen = false;
        return;
    }
    mOpen = true;
    mEnded = false;
    mPlaying = false;
    Send("set cdaudio time format tmsf");
    mTrackCount = NumberOfTracks();
    if (mTrackCount >= 0 && mTrackCount < mFirstAudio)
        mFirstAudio = mTrackCount;
    if (mTrackCount >= 0 && mTrackCount < mLastAudio)
        mLastAudio = mTrackCount;
    mUpdateTimer.start();
    if (DeviceReportsPlaying())
        mTrack = PositionTrack();
    else
        SetTrack(mFirstAudio);
}

void CDPlayerControl::End()
{
    if (!mOpen || mEnded)
        return;
    mEnded = true;
    mUpdateTimer.stop();
    Send("stop cdaudio");
    Send("close cdaudio");
    mOpen = false;
    mPlaying = false;
}

int32_t CDPlayerControl::NumberOfTracks()
{
    std::string reply;
    if (!Send("status cdaudio number of tracks", &reply))
        return -1;
    return LeadingNumber(reply);
}

int32_t CDPlayerControl::PositionTrack()
{
    // The position reads "TT:MM:SS:FF"; its first field is the track.
    std::string reply;
    if (!Send("status cdaudio position", &reply))
        return -1;
    return LeadingNumber(reply);
}

bool CDPlayerControl::DeviceReportsPlaying()
{
    std::string reply;
    return Send("status cdaudio mode", &reply) && reply == "playing";
}

bool CDPlayerControl::Playing()
{
    return mOpen && DeviceReportsPlaying();
}

void CDPlayerControl::SetTrack(int32_t vData)
{
    if (!mOpen)
        return;
    if (vData < 1 || vData > 99) {
        ReportError(QStringLiteral("%1 is not a valid audio track").arg(vData));
        return;
    }
    mTrackChanged = true;
    mTrack = vData;
    if (mTrack > mLastAudio || mTrack < mFirstAudio)
        mTrack = mFirstAudio;
    emit AudioTrackChange(mTrack);
    if (DeviceReportsPlaying())
        StartPlay();
}

void CDPlayerControl::StartPlay()
{
    if (!mOpen)
        return;
    try {
        std::string command = "play cdaudio";
        if (PositionTrack() != mTrack || mTrackChanged) {
            command += " from " + Position(mTrack);
            mTrackChanged = false;
        }
        // Without "from" the drive carries on from where it stopped.
        if (mTrackCount < 0 || mTrack < mTrackCount)
            command += " to " + Position(mTrack + 1);
        command += " notify";
        mPlaying = true;
        if (!Send(command)) {
            mPlaying = false;
            ReportDeviceError();
            return;
        }
    } catch (const std::exception&) {
        ReportError(QStringLiteral("Unknown Error in StartPlay"));
        return;
    }
    emit AudioTrackChange(mTrack);
}

void CDPlayerControl::StopPlay()
{
    if (!mOpen)
        return;
    mPlaying = false;
    try {
        if (!Send("stop cdaudio"))
            ReportDeviceError();
    } catch (const std::exception&) {
        // Spelt as this report has always been spelt: what reads the reports matches it.
        ReportError(QStringLiteral("Uknown error in StopPlay"));
    }
}

bool CDPlayerControl::PlayToggle()
{
    if (Playing())
        StopPlay();
    else
        StartPlay();
    return mPlaying;
}

void CDPlayerControl::HandleNotify(int code)
{
    if (!mOpen)
        return;
    switch (code) {
    case static_cast<int>(CdNotify::Successful):
        // A play ran to its end: on to the next track, from the last back to the first.
        if (mPlaying) {
            SetTrack(mTrack + 1);
            StartPlay();
        }
        break;
    case static_cast<int>(CdNotify::Superseded):
    case static_cast<int>(CdNotify::Aborted):
        break;
    case static_cast<int>(CdNotify::Failure):
        mPlaying = false;
        ReportDeviceError();
        break;
    default:
        mPlaying = false;
        ReportError(QStringLiteral("Unknown MCI Notify Code"));
        break;
    }
    if (DeviceReportsPlaying())
        mPlaying = true;
}

void CDPlayerControl::ReportError(const QString& text)
{
    // Music is a treat, not a task: nothing about it is ever shown to the user.
    mLastReport = text;
}

void CDPlayerControl::ReportDeviceError()
{
    ReportError(QString::fromUtf8(VirtualCdDrive::ErrorText(mDrive->LastError())));
}
