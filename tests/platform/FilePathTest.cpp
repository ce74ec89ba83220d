// Media and working directories, making files by name, and resolving names written for Windows.
#include "TempFolder.h"
#include "VlFile.h"
#include "VlLog.h"
#include "WorkingFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

class FilePathTest : public ::testing::Test {
protected:
    void SetUp() override { VlResetPaths(); }
    void TearDown() override { VlResetPaths(); }

    static std::string MediaPath()
    {
        std::string path;
        EXPECT_EQ(VlGetMediaPath(path), VlOk);
        return path;
    }

    TempFolder mFolder;
};

TEST_F(FilePathTest, MediaPathGetsOneTrailingSeparator)
{
    EXPECT_EQ(VlSetMediaPath("C:\\games\\media"), VlOk);
    EXPECT_EQ(MediaPath(), "C:/games/media/");
    EXPECT_EQ(VlSetMediaPath("/games/media/"), VlOk);
    EXPECT_EQ(MediaPath(), "/games/media/");
    EXPECT_EQ(VlSetMediaPath(""), VlOk);
    EXPECT_EQ(MediaPath(), "/");
}

TEST_F(FilePathTest, MediaPathOf256CharactersIsRefusedAndTheOldOneKept)
{
    ASSERT_EQ(VlSetMediaPath("/keep"), VlOk);
    EXPECT_EQ(VlSetMediaPath(std::string(256, 'm')), ErrParam);
    EXPECT_EQ(MediaPath(), "/keep/");
    EXPECT_EQ(VlSetMediaPath(std::string(255, 'm')), VlOk);
    EXPECT_EQ(MediaPath(), std::string(255, 'm') + "/");
}

TEST_F(FilePathTest, WithoutMediaPathTheWorkingDirectoryIsReadOnceAndKept)
{
    TempFolder other;
    WorkingFolder inside(mFolder.Path());
    ASSERT_TRUE(inside.Entered());
    std::string binary;
    ASSERT_EQ(VlGetBinaryPath(binary), VlOk);
    EXPECT_EQ(binary, mFolder.Path() + "/");
    EXPECT_EQ(MediaPath(), binary);

    ASSERT_EQ(chdir(other.Path().c_str()), 0);
    EXPECT_EQ(VlGetBinaryPath(binary), VlOk);
    EXPECT_EQ(binary, mFolder.Path() + "/");
}

TEST_F(FilePathTest, CreateChecksLocationAndLengthsBeforeLookingForTheFile)
{
    Vl::File* file = reinterpret_cast<Vl::File*>(&file);
    EXPECT_EQ(VlFileCreate(&file, 2, "x"), ErrParam);
    EXPECT_EQ(file, nullptr);
    ASSERT_EQ(VlSetMediaPath("/a/twenty/characters"), VlOk);
    ASSERT_EQ(MediaPath().size(), 21u);
    EXPECT_EQ(VlFileCreate(&file, Vl::kF_FromMedia, std::string(256, 'n')), ErrFileInvalidName);
    EXPECT_EQ(VlFileCreate(&file, Vl::kF_FromMedia, std::string(250, 'n')), ErrFileInvalidName);
    EXPECT_EQ(VlFileCreate(&file, Vl::kF_FromMedia, "missing.bmp"), ErrFileNotFound);
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(VlFileCreateFromPath(&file, ""), ErrParam);
    EXPECT_EQ(VlFileCreateFromPath(nullptr, "/x"), ErrParam);
}

TEST_F(FilePathTest, NamesAreFoundIgnoringCaseAndBackslashes)
{
    mFolder.Write("_Media/Act2/Config/City_1.txt", "3 houses\n");
    ASSERT_EQ(VlSetMediaPath(mFolder.Path() + "/_media"), VlOk);
    Vl::File* file = nullptr;
    ASSERT_EQ(VlFileCreate(&file, Vl::kF_FromMedia, "act2\\config\\CITY_1.TXT"), VlOk);
    std::string full;
    EXPECT_EQ(file->GetFullName(full), VlOk);
    EXPECT_EQ(full, mFolder.File("_Media/Act2/Config/City_1.txt"));
    std::string name;
    EXPECT_EQ(file->GetNamePart(name), VlOk);
    EXPECT_EQ(name, "City_1.txt");
    file->Release();

    // The full name is what the text readers open with ordinary streams.
    std::ifstream text(full);
    std::string word;
    text >> word;
    EXPECT_EQ(word, "3");
}

TEST_F(FilePathTest, WorkingDirectoryFilesResolveToo)
{
    mFolder.Write("HighScore.TXT", "Glimmer 1 100 0\n");
    WorkingFolder inside(mFolder.Path());
    ASSERT_TRUE(inside.Entered());
    Vl::File* file = nullptr;
    ASSERT_EQ(VlFileCreate(&file, Vl::kF_FromBinary, "highscore.txt"), VlOk);
    std::string full;
    file->GetFullName(full);
    EXPECT_EQ(full, mFolder.File("HighScore.TXT"));
    file->Release();
}

TEST_F(FilePathTest, FullMediaNameReplacesTheTextOrLogsWhyNot)
{
    mFolder.Write("media/Anim/Config.txt", "x");
    ASSERT_EQ(VlSetMediaPath(mFolder.File("media")), VlOk);
    TempFolder logs;
    Vl::OpenLogs(logs.Path());

    std::string name = "anim\\config.txt";
    EXPECT_EQ(Vlu::FileGetFullName(name), VlOk);
    EXPECT_EQ(name, mFolder.File("media/Anim/Config.txt"));

    std::string missing = "anim\\nothing.txt";
    EXPECT_EQ(Vlu::FileGetFullName(missing), ErrFileNotFound);
    EXPECT_EQ(missing, "anim\\nothing.txt");
    EXPECT_EQ(logs.Read("VlLog"), "Vlu::FileGetFullName - VlFileCreate failed.  Returning  anim\\nothing.txt\n");
    Vl::CloseLogs();
}

} // namespace
