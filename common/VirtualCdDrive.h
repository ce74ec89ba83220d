// A CD drive made of track files: answers the drive's command strings and plays
// the tracks through an audio output. Shared by both programs.
#pragma once

#include "CdAudioOutput.h"
#include "CdCommand.h"
#include "CdDisc.h"
#include "CdDrive.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// How a command that asked for "notify" ended.
enum class CdNotify { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };

enum class CdError { None, NoDisc, UnknownCommand, OutOfRange, CannotPlay };

class VirtualCdDrive : public CdDrive {
public:
    // The disc is the folder "cd" inside programFolder, read now and again at every "open".
    VirtualCdDrive(CdAudioOutput& output, std::string programFolder);

    bool SendCommand(const std::string& command, std::string& reply) override;

    // Moves a play that spans several tracks on to the next file, and notices
    // the end of a play. Every command does this first; an owner that wants
    // its notification on time calls it regularly too.
    void Update();
    // Called after the command (or Update) that ended a "notify" command; it
    // may send further commands.
    void SetNotifyHandler(std::function<void(CdNotify)> handler);

    CdError LastError() const { return mLastError; }
    static const char* ErrorText(CdError error);

private:
    struct Spot {
        uint32_t track = 0;
        uint32_t offsetMs = 0;
    };

    bool Carry(const CdCommand& command, std::string& reply);
    bool Play(const CdCommand& command);
    bool StartTrack(uint32_t track, uint32_t fromMs);
    void StopPlay();
    void Advance();
    Spot Here();
    bool Fail(CdError error);
    void Notify(CdNotify code);
    void DeliverNotifications();

    CdAudioOutput& mOutput;
    std::string mProgramFolder;
    CdDisc mDisc;
    bool mPlaying = false;
    uint32_t mTrack = 0;
    Spot mEnd;        // where the play stops: a track's start, or one past the last track
    Spot mStoppedAt;  // where a play without "from" resumes
    bool mNotifyPending = false;
    CdError mLastError = CdError::None;
    std::function<void(CdNotify)> mNotifyHandler;
    std::vector<CdNotify> mUndelivered;
};
