// The two log files: emptied at opening, every line on disk at its line end, silent when closed.
#include "TempFolder.h"
#include "VlLog.h"

#include <gtest/gtest.h>

namespace {

TEST(LogTest, OpeningEmptiesBothLogsAndEveryInsertionReachesTheDisk)
{
    TempFolder folder;
    folder.Write("azLog.log", "old game lines\n");
    folder.Write("VlLog", "old platform lines\n");
    std::ostream& game = azLog(); // taken before opening, still the game log afterwards
    Vl::OpenLogs(folder.Path());
    EXPECT_EQ(folder.Read("azLog.log"), "");
    EXPECT_EQ(folder.Read("VlLog"), "");

    game << "TestApp::Run - started.\n";
    Vl::PlatformLog() << "count " << 42 << std::flush;
    EXPECT_EQ(folder.Read("azLog.log"), "TestApp::Run - started.\n");
    EXPECT_EQ(folder.Read("VlLog"), "count 42");
    Vl::CloseLogs();
}

TEST(LogTest, ALineBuiltFromPiecesReachesTheDiskWithItsLineEnd)
{
    TempFolder folder;
    Vl::OpenLogs(folder.Path());
    azLog() << "frame " << 3;
    EXPECT_EQ(folder.Read("azLog.log"), "");
    azLog() << " frame " << 7 << '\n';
    EXPECT_EQ(folder.Read("azLog.log"), "frame 3 frame 7\n");
    // Several lines in one piece, and a line end in the middle of a piece.
    azLog() << "one\ntwo\nthree";
    EXPECT_EQ(folder.Read("azLog.log"), "frame 3 frame 7\none\ntwo\nthree");
    // Longer than any buffer.
    const std::string longLine(100000, 'x');
    Vl::PlatformLog() << longLine << "\n";
    EXPECT_EQ(folder.Read("VlLog"), longLine + "\n");
    Vl::CloseLogs();
}

TEST(LogTest, ClosedLogsWriteNowhere)
{
    TempFolder folder;
    Vl::OpenLogs(folder.Path());
    Vl::CloseLogs();
    Vl::GameLog() << "lost\n";
    Vl::PlatformLog() << "lost\n";
    EXPECT_EQ(folder.Read("azLog.log"), "");

    // A failed write while closed must not silence the log once reopened.
    Vl::OpenLogs(folder.Path());
    Vl::GameLog() << "kept\n";
    EXPECT_EQ(folder.Read("azLog.log"), "kept\n");
    Vl::CloseLogs();
}

} // namespace
