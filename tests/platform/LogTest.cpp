// The two log files: emptied at opening, every line on disk at once, silent when closed.
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
    Vl::PlatformLog() << "count " << 42;
    EXPECT_EQ(folder.Read("azLog.log"), "TestApp::Run - started.\n");
    EXPECT_EQ(folder.Read("VlLog"), "count 42");
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
