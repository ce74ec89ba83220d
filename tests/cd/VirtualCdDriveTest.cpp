// The virtual CD drive: its disc, its answers, play ranges across track files, and notifications.
#include "CdWorld.h"
#include "VirtualCdDrive.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Send(VirtualCdDrive& drive, const std::string& command, std::string* reply = nullptr)
{
    std::string answer = "untouched";
    const bool done = drive.SendCommand(command, answer);
    if (reply)
        *reply = answer;
    return done;
}

std::string Reply(VirtualCdDrive& drive, const std::string& command)
{
    std::string reply;
    Send(drive, command, &reply);
    return reply;
}

// Moves the clock on in steps, letting the drive look at its play after each.
void RunDrive(CdWorld& world, VirtualCdDrive& drive, int steps, uint32_t stepMs)
{
    for (int step = 0; step < steps; ++step) {
        world.clock.Advance(stepMs);
        drive.Update();
    }
}

} // namespace

TEST(VirtualCdDrive, WithoutTrackFilesThereIsNoDiscAndEveryCommandFails)
{
    CdWorld world;
    world.folder.Write("cd/readme.txt", "not a track");
    world.folder.Write("cd/track2.ogg", "one digit");
    world.folder.Write("cd/track03.mp3", "not a format we take");
    VirtualCdDrive drive(world.output, world.folder.Path());
    for (const char* command : {"open cdaudio shareable", "set cdaudio time format tmsf",
                                "status cdaudio number of tracks", "play cdaudio from 2:00:00:00",
                                "status cdaudio mode", "stop cdaudio", "close cdaudio"}) {
        std::string reply;
        EXPECT_FALSE(Send(drive, command, &reply)) << command;
        EXPECT_EQ(reply, "");
        EXPECT_EQ(drive.LastError(), CdError::NoDisc);
    }
    EXPECT_TRUE(world.output.Plays().empty());

    CdWorld noFolder;
    VirtualCdDrive empty(noFolder.output, noFolder.folder.Path() + "/absent");
    EXPECT_FALSE(Send(empty, "status cdaudio mode"));
}

TEST(VirtualCdDrive, TheDiscIsReadAgainWhenTheDriveIsOpened)
{
    CdWorld world;
    VirtualCdDrive drive(world.output, world.folder.Path());
    EXPECT_FALSE(Send(drive, "status cdaudio number of tracks"));
    world.WriteStandardDisc();
    EXPECT_TRUE(Send(drive, "open cdaudio shareable"));
    EXPECT_EQ(Reply(drive, "status cdaudio number of tracks"), "4");
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "stopped");
    EXPECT_FALSE(Send(drive, "fly cdaudio"));
    EXPECT_EQ(drive.LastError(), CdError::UnknownCommand);
}

TEST(VirtualCdDrive, ATrackAlonePlaysForItsLengthThenTheDriveStops)
{
    CdWorld world;
    world.WriteStandardDisc();
    VirtualCdDrive drive(world.output, world.folder.Path());
    ASSERT_TRUE(Send(drive, "play cdaudio from 3:00:00:00 to 4:00:00:00"));
    ASSERT_EQ(world.output.Plays().size(), 1u);
    EXPECT_EQ(world.TrackName(0), "track03.wav");
    EXPECT_EQ(world.output.Plays()[0].fromMs, 0u);
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "playing");
    EXPECT_EQ(Reply(drive, "status cdaudio current track"), "3");

    world.clock.Advance(2999);
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "playing");
    world.clock.Advance(1);
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "stopped");
    EXPECT_EQ(world.output.Plays().size(), 1u);
}

TEST(VirtualCdDrive, APlayWithoutEndRunsOnToTheEndOfTheDisc)
{
    CdWorld world;
    world.WriteStandardDisc();
    VirtualCdDrive drive(world.output, world.folder.Path());
    ASSERT_TRUE(Send(drive, "play cdaudio from 2:00:00:00"));
    RunDrive(world, drive, 10, 1000);
    ASSERT_EQ(world.output.Plays().size(), 3u);
    EXPECT_EQ(world.TrackName(1), "track03.wav");
    EXPECT_EQ(world.TrackName(2), "TRACK04.wav");
    EXPECT_EQ(world.output.Plays()[2].startMs, 5000u + 5000u);
    world.clock.Advance(1);
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "stopped");

    // An end past the last track is the end of the disc too.
    ASSERT_TRUE(Send(drive, "play cdaudio from 4:00:00:00 to 5:00:00:00"));
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "playing");
}

TEST(VirtualCdDrive, PlaysOutsideTheDiscFailAndLeaveTheMusicPlaying)
{
    CdWorld world;
    world.WriteStandardDisc();
    world.folder.Write("CD/track05.ogg", "not really ogg");
    VirtualCdDrive drive(world.output, world.folder.Path());
    ASSERT_TRUE(Send(drive, "play cdaudio from 3:00:00:00 to 4:00:00:00"));
    for (const char* command : {"play cdaudio from 6:00:00:00 to 7:00:00:00", "play cdaudio from 1:00:00:00",
                                "play cdaudio from 3:00:00:00 to 2:00:00:00", "play cdaudio from 3:00:05:00 to 3:00:05:00"}) {
        EXPECT_FALSE(Send(drive, command)) << command;
        EXPECT_EQ(drive.LastError(), CdError::OutOfRange);
    }
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "playing");

    // A track file that cannot be decoded stops the drive.
    EXPECT_EQ(Reply(drive, "status cdaudio number of tracks"), "5");
    EXPECT_FALSE(Send(drive, "play cdaudio from 5:00:00:00"));
    EXPECT_EQ(drive.LastError(), CdError::CannotPlay);
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "stopped");
}

TEST(VirtualCdDrive, StopKeepsThePositionAndAPlainPlayResumesThere)
{
    CdWorld world;
    world.WriteStandardDisc();
    VirtualCdDrive drive(world.output, world.folder.Path());
    ASSERT_TRUE(Send(drive, "play cdaudio from 2:00:00:00 to 3:00:00:00"));
    world.clock.Advance(1500);
    ASSERT_TRUE(Send(drive, "stop cdaudio"));
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "stopped");
    EXPECT_EQ(Reply(drive, "status cdaudio position"), "02:00:01:37");

    ASSERT_TRUE(Send(drive, "play cdaudio"));
    ASSERT_EQ(world.output.Plays().size(), 2u);
    EXPECT_EQ(world.TrackName(1), "Track02.WAV");
    EXPECT_EQ(world.output.Plays()[1].fromMs, 1500u);

    // A range inside one track ends inside it.
    ASSERT_TRUE(Send(drive, "play cdaudio from 3:00:01:00 to 3:00:01:30"));
    EXPECT_EQ(world.output.Plays()[2].toMs, 1400u);
    world.clock.Advance(400);
    EXPECT_EQ(Reply(drive, "status cdaudio mode"), "stopped");
}

TEST(VirtualCdDrive, NotifyTellsHowEachCommandEnded)
{
    CdWorld world;
    world.WriteStandardDisc();
    VirtualCdDrive drive(world.output, world.folder.Path());
    std::vector<CdNotify> notes;
    drive.SetNotifyHandler([&](CdNotify code) { notes.push_back(code); });

    ASSERT_TRUE(Send(drive, "play cdaudio from 2:00:00:00 to 3:00:00:00 notify"));
    EXPECT_TRUE(notes.empty());
    world.clock.Advance(2000);
    drive.Update();
    EXPECT_EQ(notes, std::vector<CdNotify>{CdNotify::Successful});

    notes.clear();
    Send(drive, "play cdaudio from 2:00:00:00 notify");
    Send(drive, "stop cdaudio");
    EXPECT_EQ(notes, std::vector<CdNotify>{CdNotify::Aborted});

    notes.clear();
    Send(drive, "play cdaudio from 2:00:00:00 notify");
    Send(drive, "status cdaudio mode notify");
    Send(drive, "play cdaudio from 9:00:00:00 notify");
    EXPECT_EQ(notes, (std::vector<CdNotify>{CdNotify::Superseded, CdNotify::Successful, CdNotify::Failure}));
}

TEST(VirtualCdDrive, TheNotifyHandlerMayStartTheNextTrack)
{
    CdWorld world;
    world.WriteStandardDisc();
    VirtualCdDrive drive(world.output, world.folder.Path());
    uint32_t next = 3;
    drive.SetNotifyHandler([&](CdNotify code) {
        if (code == CdNotify::Successful && next <= 4) {
            const std::string track = std::to_string(next++);
            std::string reply;
            drive.SendCommand("play cdaudio from " + track + " to " + std::to_string(next) + " notify", reply);
        }
    });
    ASSERT_TRUE(Send(drive, "play cdaudio from 2 to 3 notify"));
    RunDrive(world, drive, 20, 500);
    ASSERT_EQ(world.output.Plays().size(), 3u);
    EXPECT_EQ(world.TrackName(2), "TRACK04.wav");
}
