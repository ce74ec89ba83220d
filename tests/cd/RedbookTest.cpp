// The CD player's command strings, its looping poll, and the player on the virtual drive.
#include "CdWorld.h"
#include "VirtualCdDrive.h"
#include "VlRedbook.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Records every command and answers from a script; a command without a scripted answer succeeds silently.
class ScriptedDrive : public Vl::CdDrive {
public:
    bool SendCommand(const std::string& command, std::string& reply) override
    {
        commands.push_back(command);
        reply.clear();
        if (failing)
            return false;
        auto found = replies.find(command);
        if (found != replies.end())
            reply = found->second;
        return true;
    }

    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(commands);
        return taken;
    }

    std::vector<std::string> commands;
    std::map<std::string, std::string> replies;
    bool failing = false;
};

class Redbook : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive.replies["status cdaudio number of tracks"] = "4";
        drive.replies["status cdaudio mode"] = "playing";
        Vl::Host host;
        host.cd = &drive;
        Vl::SetHost(host);
        ASSERT_EQ(VlRedbookCreate(&player), VlOk);
    }
    void TearDown() override
    {
        if (player)
            player->Release();
        Vl::SetHost(Vl::Host());
    }

    ScriptedDrive drive;
    Vl::Redbook* player = nullptr;
};

using Commands = std::vector<std::string>;

} // namespace

TEST_F(Redbook, MakingThePlayerOpensTheDriveAndReleasingItClosesIt)
{
    EXPECT_EQ(drive.Take(), (Commands{"open cdaudio shareable", "set cdaudio time format tmsf"}));
    player->Release();
    player = nullptr;
    EXPECT_EQ(drive.Take(), Commands{"close cdaudio"});

    ASSERT_EQ(VlRedbookCreate(&player), VlOk);
    player->Play(2, false);
    drive.Take();
    player->Release();
    player = nullptr;
    EXPECT_EQ(drive.Take(), (Commands{"stop cdaudio", "close cdaudio"}));
    EXPECT_EQ(VlRedbookCreate(nullptr), ErrParam);
}

TEST_F(Redbook, TheLastTrackPlaysToTheEndOfTheDiscAndOthersAlone)
{
    drive.Take();
    EXPECT_EQ(player->Play(4, true), VlOk);
    EXPECT_EQ(drive.Take(), (Commands{"status cdaudio number of tracks", "play cdaudio from 4:00:00:00"}));
    EXPECT_EQ(player->Play(3, true), VlOk);
    EXPECT_EQ(drive.Take(), (Commands{"status cdaudio number of tracks", "play cdaudio from 3:00:00:00 to 4:00:00:00"}));

    // No answer to the track count (no disc): the form with an end track.
    drive.failing = true;
    player->Play(2, false);
    EXPECT_EQ(drive.Take(), (Commands{"status cdaudio number of tracks", "play cdaudio from 2:00:00:00 to 3:00:00:00"}));
}

TEST_F(Redbook, PollRestartsOnlyALoopingTrackThatHasStopped)
{
    player->Play(3, true);
    drive.Take();
    player->Poll();
    EXPECT_EQ(drive.Take(), Commands{"status cdaudio mode"});

    drive.replies["status cdaudio mode"] = "stopped";
    player->Poll();
    EXPECT_EQ(drive.Take(), (Commands{"status cdaudio mode", "status cdaudio number of tracks",
                                      "play cdaudio from 3:00:00:00 to 4:00:00:00"}));

    player->Stop();
    EXPECT_EQ(drive.Take(), Commands{"stop cdaudio"});
    player->Poll();
    EXPECT_TRUE(drive.Take().empty());

    player->Play(2, false);
    drive.Take();
    player->Poll();
    EXPECT_TRUE(drive.Take().empty());
}

TEST(RedbookOnTheVirtualDrive, ALoopingTrackStartsAgainAtTheFirstPollAfterItEnds)
{
    CdWorld world;
    world.WriteStandardDisc();
    VirtualCdDrive drive(world.output, world.folder.Path());
    Vl::Host host = Vl::GetHost();
    host.cd = &drive;
    Vl::SetHost(host);

    Vl::Redbook* player = nullptr;
    ASSERT_EQ(VlRedbookCreate(&player), VlOk);
    player->Play(4, true);
    for (int second = 0; second < 9; ++second) {
        world.clock.Advance(1000);
        player->Poll();
    }
    // Track 4 lasts 4 s: started at 0, again at the polls of 4 s and 8 s.
    ASSERT_EQ(world.output.Plays().size(), 3u);
    EXPECT_EQ(world.output.Plays()[1].startMs, 5000u + 4000u);
    EXPECT_EQ(world.output.Plays()[2].startMs, 5000u + 8000u);

    player->Play(2, false);
    world.clock.Advance(5000);
    player->Poll();
    EXPECT_EQ(world.output.Plays().size(), 4u);
    player->Release();

    // Without a drive every command fails quietly.
    Vl::SetHost(Vl::Host());
    ASSERT_EQ(VlRedbookCreate(&player), VlOk);
    EXPECT_EQ(player->Play(3, true), VlOk);
    player->Poll();
    player->Release();
}
