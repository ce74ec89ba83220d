// Starting programs from the working directory, and the spawn tool that hands over between programs.
#include "ProcessLauncher.h"
#include "TempFolder.h"
#include "WorkingFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Started programs run on their own; this waits (with a generous guard
// against hanging) until one of them has left its answer.
bool AppearsSoon(const std::string& path)
{
    for (int tries = 0; tries < 3000; ++tries) {
        if (fs::exists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void WriteProgram(const TempFolder& folder, const std::string& name, const std::string& text)
{
    folder.Write(name, text);
    fs::permissions(folder.File(name), fs::perms::owner_all, fs::perm_options::add);
}

class ProcessLauncherTest : public ::testing::Test {
protected:
    TempFolder mFolder;
};

TEST_F(ProcessLauncherTest, FailuresAreSortedByCause)
{
    mFolder.Write("notes.txt", "not a folder");
    WriteProgram(mFolder, "garbage", "\x01\x02 not a program\n");
    WorkingFolder inside(mFolder.Path());
    ASSERT_TRUE(inside.Entered());
    ProcessLauncher launcher;
    EXPECT_EQ(launcher.Start("spawn cardwright"), LaunchResult::FileNotFound);
    EXPECT_EQ(launcher.Start(""), LaunchResult::FileNotFound);
    EXPECT_EQ(launcher.Start("notes.txt/program"), LaunchResult::PathNotFound);
    EXPECT_EQ(launcher.Start("garbage"), LaunchResult::BadExecutable);
}

TEST_F(ProcessLauncherTest, StartsTheProgramInTheWorkingDirectoryWithItsArguments)
{
    WriteProgram(mFolder, "writer",
                 "#!/bin/sh\n"
                 "echo \"$1 $2 $(pwd) ${SKYRUN_SPAWN_CALLER}\" > answer.tmp\n"
                 "mv answer.tmp answer.txt\n");
    WorkingFolder inside(mFolder.Path());
    ASSERT_TRUE(inside.Entered());
    ProcessLauncher launcher;
    ASSERT_EQ(launcher.Start("writer  one\ttwo"), LaunchResult::Started);
    ASSERT_TRUE(AppearsSoon(mFolder.File("answer.txt")));
    EXPECT_EQ(mFolder.Read("answer.txt"), "one two " + mFolder.Path() + " " + std::to_string(getpid()) + "\n");
}

TEST_F(ProcessLauncherTest, SpawnInTheWorkingDirectoryComesBeforeTheProgramFolders)
{
    TempFolder own;
    const std::string answer = "#!/bin/sh\necho \"$0 $1\" > answer.tmp\nmv answer.tmp answer.txt\n";
    for (const TempFolder* folder : {&mFolder, &own}) {
        WriteProgram(*folder, "spawn", answer);
        WriteProgram(*folder, "skyrun", "#!/bin/sh\n");
    }
    WorkingFolder inside(mFolder.Path());
    ASSERT_TRUE(inside.Entered());
    ProcessLauncher launcher(own.Path());
    ASSERT_EQ(launcher.Start("spawn skyrun"), LaunchResult::Started);
    ASSERT_TRUE(AppearsSoon(mFolder.File("answer.txt")));
    EXPECT_EQ(mFolder.Read("answer.txt"), "./spawn skyrun\n");

    // Without the game beside it, the working directory's launcher is passed over for the program's own.
    fs::remove(mFolder.File("skyrun"));
    fs::remove(mFolder.File("answer.txt"));
    ASSERT_EQ(launcher.Start("spawn skyrun"), LaunchResult::Started);
    ASSERT_TRUE(AppearsSoon(mFolder.File("answer.txt")));
    EXPECT_EQ(mFolder.Read("answer.txt"), own.Path() + "/spawn skyrun\n");
}

class SpawnToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // spawn starts programs from its own folder, wherever it is called from.
        fs::copy_file(std::string(SKYRUN_DIST_DIR) + "/spawn", mTool.File("spawn"));
        fs::create_symlink(mTool.File("spawn"), mCaller.File("spawn"));
    }

    int RunTool(const std::string& arguments)
    {
        std::string command = mTool.File("spawn") + " " + arguments + " 2>" + mCaller.File("errors.txt");
        return WEXITSTATUS(std::system(command.c_str()));
    }

    TempFolder mTool;
    TempFolder mCaller;
};

TEST_F(SpawnToolTest, StartsTheProgramFromItsOwnFolderAfterTheCallerEnded)
{
    WriteProgram(mTool, "child",
                 "#!/bin/sh\n"
                 "if [ -e '" + mCaller.File("caller-alive") + "' ]; then state=early; else state=after; fi\n"
                 "echo \"$state $(pwd) ${SKYRUN_SPAWN_CALLER:-unset}\" > answer.tmp\n"
                 "mv answer.tmp answer.txt\n");
    WorkingFolder inside(mCaller.Path());
    ASSERT_TRUE(inside.Entered());

    pid_t caller = fork();
    ASSERT_GE(caller, 0);
    if (caller == 0) {
        // The caller: starts the hand-over, lingers a moment, then ends.
        { std::ofstream alive("caller-alive"); }
        ProcessLauncher launcher;
        bool started = launcher.Start("spawn child") == LaunchResult::Started;
        usleep(200 * 1000);
        unlink("caller-alive");
        _exit(started ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(caller, &status, 0), caller);
    ASSERT_EQ(WEXITSTATUS(status), 0);

    ASSERT_TRUE(AppearsSoon(mTool.File("answer.txt")));
    EXPECT_EQ(mTool.Read("answer.txt"), "after " + mTool.Path() + " unset\n");
}

TEST_F(SpawnToolTest, MissingProgramNamesEndAtOnceWithAMessage)
{
    EXPECT_EQ(RunTool(""), 1);
    EXPECT_NE(mCaller.Read("errors.txt").find("no program named"), std::string::npos);
    EXPECT_EQ(RunTool("cardwright"), 1);
    EXPECT_NE(mCaller.Read("errors.txt").find("\"cardwright\" was not found"), std::string::npos);
    EXPECT_EQ(RunTool("../child"), 1);
}

TEST_F(SpawnToolTest, InstalledInLibexecItStartsTheProgramFromTheInstallsBinFolder)
{
    // PREFIX/libexec/skyrun/spawn hands over to PREFIX/bin/NAME, found through the game's own launcher call.
    TempFolder prefix;
    fs::create_directories(prefix.File("libexec/skyrun"));
    fs::copy_file(mTool.File("spawn"), prefix.File("libexec/skyrun/spawn"));
    WriteProgram(prefix, "bin/child", "#!/bin/sh\necho \"$(pwd)\" > answer.tmp\nmv answer.tmp answer.txt\n");
    WorkingFolder inside(mCaller.Path());
    ASSERT_TRUE(inside.Entered());
    pid_t caller = fork();
    ASSERT_GE(caller, 0);
    if (caller == 0) {
        ProcessLauncher launcher(prefix.File("bin"));
        _exit(launcher.Start("spawn child") == LaunchResult::Started ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(caller, &status, 0), caller);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(AppearsSoon(prefix.File("bin/answer.txt")));
    EXPECT_EQ(fs::canonical(prefix.Read("bin/answer.txt").substr(0, prefix.Read("bin/answer.txt").size() - 1)),
              fs::canonical(prefix.File("bin")));
}

} // namespace
