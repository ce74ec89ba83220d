// The file object: result codes, their check order, transfers and names.
#include "FilePosixImp.h"
#include "TempFolder.h"
#include "VlFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::string Bytes(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += static_cast<char>(i);
    return text;
}

class FileTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (mFile)
            mFile->Release();
    }

    // Makes the file on disk and a file object for it.
    Vl::File* Make(const std::string& name, const std::string& contents)
    {
        mFolder.Write(name, contents);
        EXPECT_EQ(VlFileCreateFromPath(&mFile, mFolder.File(name)), VlOk);
        return mFile;
    }

    TempFolder mFolder;
    Vl::File* mFile = nullptr;
};

TEST_F(FileTest, AnUnnamedObjectAnswersInvalidNameFirst)
{
    Vl::FilePosixImp unnamed;
    char buffer[4];
    uint32_t length = 0;
    std::string text;
    EXPECT_EQ(unnamed.Open(Vl::kF_Read), ErrFileInvalidName);
    EXPECT_EQ(unnamed.Close(), ErrFileInvalidName);
    EXPECT_EQ(unnamed.Read(nullptr, 4), ErrFileInvalidName);
    EXPECT_EQ(unnamed.Write(buffer, 4), ErrFileInvalidName);
    EXPECT_EQ(unnamed.Seek(0, Vl::kF_FromStart), ErrFileInvalidName);
    EXPECT_EQ(unnamed.GetLength(&length), ErrFileInvalidName);
    EXPECT_EQ(unnamed.Delete(), ErrFileInvalidName);
    EXPECT_EQ(unnamed.GetFullName(text), ErrFileInvalidName);
    EXPECT_EQ(unnamed.GetNamePart(text), ErrFileInvalidName);
    EXPECT_EQ(unnamed.GetExtension(text), ErrFileInvalidName);
}

TEST_F(FileTest, SetNameRefusesEmptyLongAndSecondNames)
{
    Vl::FilePosixImp file;
    EXPECT_EQ(file.SetName(""), ErrParam);
    EXPECT_EQ(file.SetName(mFolder.Path() + "/" + std::string(300, 'x')), ErrFileInvalidName);
    mFolder.Write("a.txt", "a");
    EXPECT_EQ(file.SetName(mFolder.File("a.txt")), VlOk);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.SetName(mFolder.File("a.txt")), ErrInternal);
}

TEST_F(FileTest, ClosedFileChecksBufferBeforeOpenState)
{
    Vl::File* file = Make("data.bin", Bytes(10));
    char buffer[10];
    uint32_t moved = 99;
    uint32_t position = 0;
    EXPECT_EQ(file->Read(nullptr, 10, &moved), ErrParam);
    EXPECT_EQ(moved, 0u);
    moved = 99;
    EXPECT_EQ(file->Read(buffer, 10, &moved), ErrFileNotOpen);
    EXPECT_EQ(moved, 0u);
    EXPECT_EQ(file->Write(buffer, 10), ErrFileNotOpen);
    EXPECT_EQ(file->Seek(0, Vl::kF_FromStart), ErrFileNotOpen);
    EXPECT_EQ(file->GetPosition(&position), ErrFileNotOpen);
    EXPECT_EQ(file->SetLength(0), ErrFileNotOpen);
    EXPECT_EQ(file->Close(), ErrFileNotOpen);
    EXPECT_EQ(file->Open(7), ErrParam);
    EXPECT_EQ(file->Open(Vl::kF_Read), VlOk);
    EXPECT_EQ(file->Open(Vl::kF_Read), ErrFileAlreadyOpen);
}

TEST_F(FileTest, ShortReadDeliversAndCountsWhatWasThere)
{
    Vl::File* file = Make("data.bin", Bytes(100));
    ASSERT_EQ(file->Open(Vl::kF_Read), VlOk);
    ASSERT_EQ(file->Seek(-40, Vl::kF_FromEnd), VlOk);
    char buffer[100] = {};
    uint32_t moved = 0;
    EXPECT_EQ(file->Read(buffer, 100, &moved), ErrFileEOF);
    EXPECT_EQ(VlGetLastError(), ErrFileEOF);
    EXPECT_EQ(moved, 40u);
    EXPECT_EQ(std::string(buffer, 40), Bytes(100).substr(60));

    ASSERT_EQ(file->Seek(10, Vl::kF_FromStart), VlOk);
    EXPECT_EQ(file->Read(buffer, 5, &moved), VlOk);
    EXPECT_EQ(moved, 5u);
    EXPECT_EQ(std::string(buffer, 5), Bytes(15).substr(10));
    uint32_t position = 0;
    EXPECT_EQ(file->GetPosition(&position), VlOk);
    EXPECT_EQ(position, 15u);
}

TEST_F(FileTest, AsynchronousTransfersAreRefusedWithoutMovingAnything)
{
    Vl::File* file = Make("data.bin", Bytes(20));
    ASSERT_EQ(file->Open(Vl::kF_Write), VlOk);
    char buffer[8];
    uint32_t moved = 99;
    EXPECT_EQ(file->Read(buffer, 8, &moved, true), ErrNotMultiThreaded);
    EXPECT_EQ(moved, 0u);
    EXPECT_EQ(file->Write(buffer, 8, &moved, true), ErrNotMultiThreaded);
    uint32_t position = 99;
    EXPECT_EQ(file->GetPosition(&position), VlOk);
    EXPECT_EQ(position, 0u);
    bool done = false;
    EXPECT_EQ(file->IsTransferDone(&done, &moved), ErrFileNoCurrentAsync);
    EXPECT_EQ(file->WaitTransfer(&moved), ErrFileNoCurrentAsync);
}

TEST_F(FileTest, ReadAccessRefusesWritingAndResizing)
{
    Vl::File* file = Make("data.bin", Bytes(20));
    ASSERT_EQ(file->Open(Vl::kF_Read), VlOk);
    uint32_t moved = 99;
    EXPECT_EQ(file->Write("abc", 3, &moved), ErrFilePermission);
    EXPECT_EQ(moved, 0u);
    EXPECT_EQ(file->SetLength(5), ErrFilePermission);
    EXPECT_EQ(mFolder.Read("data.bin"), Bytes(20));
}

TEST_F(FileTest, CreateKeepsAnExistingFileAndMakesAMissingOne)
{
    Vl::File* file = Make("keep.bin", "contents");
    ASSERT_EQ(file->Open(Vl::kF_Create), VlOk);
    uint32_t length = 0;
    EXPECT_EQ(file->GetLength(&length), VlOk);
    EXPECT_EQ(length, 8u);
    ASSERT_EQ(file->Seek(0, Vl::kF_FromEnd), VlOk);
    EXPECT_EQ(file->Write("!", 1), VlOk);
    EXPECT_EQ(file->Close(), VlOk);
    EXPECT_EQ(mFolder.Read("keep.bin"), "contents!");

    ASSERT_EQ(file->Open(Vl::kF_Read), VlOk);
    ASSERT_EQ(file->Delete(), VlOk);
    EXPECT_FALSE(file->IsOpen());
    EXPECT_FALSE(std::filesystem::exists(mFolder.File("keep.bin")));
    EXPECT_EQ(file->Delete(), ErrFileNotFound);
    EXPECT_EQ(file->Open(Vl::kF_Read), ErrFileNotFound);
    ASSERT_EQ(file->Open(Vl::kF_Create), VlOk);
    EXPECT_EQ(file->GetLength(&length), VlOk);
    EXPECT_EQ(length, 0u);
}

TEST_F(FileTest, WriteSeekAndSetLengthShapeTheFile)
{
    Vl::File* file = Make("shape.bin", "0123456789");
    ASSERT_EQ(file->Open(Vl::kF_Write), VlOk);
    EXPECT_EQ(file->Seek(-1, Vl::kF_FromStart), ErrFilePosition);
    ASSERT_EQ(file->Seek(4, Vl::kF_FromStart), VlOk);
    ASSERT_EQ(file->Seek(2, Vl::kF_FromCurrent), VlOk);
    uint32_t moved = 0;
    EXPECT_EQ(file->Write("ab", 2, &moved), VlOk);
    EXPECT_EQ(moved, 2u);
    // An origin the file does not know counts from the start.
    ASSERT_EQ(file->Seek(1, 9), VlOk);
    EXPECT_EQ(file->Write("Z", 1), VlOk);
    EXPECT_EQ(file->SetLength(8), VlOk);
    file->Close();
    EXPECT_EQ(mFolder.Read("shape.bin"), "0Z2345ab");
}

TEST_F(FileTest, GetLengthOfAClosedFileLeavesItClosed)
{
    Vl::File* file = Make("len.bin", Bytes(33));
    uint32_t length = 0;
    EXPECT_EQ(file->GetLength(&length), VlOk);
    EXPECT_EQ(length, 33u);
    EXPECT_FALSE(file->IsOpen());
    EXPECT_EQ(file->GetLength(nullptr), ErrParam);
}

TEST_F(FileTest, ExtensionIsUpperCasedInTheStoredPathAndTheFileStillOpens)
{
    Vl::File* file = Make("PIC.bmp", "BM");
    std::string extension;
    EXPECT_EQ(file->GetExtension(extension), VlOk);
    EXPECT_EQ(extension, "BMP");
    std::string full;
    EXPECT_EQ(file->GetFullName(full), VlOk);
    EXPECT_EQ(full, mFolder.File("PIC.BMP"));
    std::string name;
    EXPECT_EQ(file->GetNamePart(name), VlOk);
    EXPECT_EQ(name, "PIC.BMP");

    ASSERT_EQ(file->Open(Vl::kF_Read), VlOk);
    char buffer[2];
    EXPECT_EQ(file->Read(buffer, 2), VlOk);
    EXPECT_EQ(std::string(buffer, 2), "BM");
    // Creating must find the existing file too, not make an empty twin.
    file->Close();
    ASSERT_EQ(file->Open(Vl::kF_Create), VlOk);
    file->Close();
    EXPECT_FALSE(std::filesystem::exists(mFolder.File("PIC.BMP")));
    EXPECT_EQ(mFolder.Read("PIC.bmp"), "BM");
}

TEST_F(FileTest, ExtensionIsSearchedInTheWholePath)
{
    Vl::File* noDot = Make("dir.v2/readme", "r");
    std::string extension = "old";
    EXPECT_EQ(noDot->GetExtension(extension), VlOk);
    EXPECT_EQ(extension, "V2/README");
}

TEST_F(FileTest, AFolderIsNotAFile)
{
    mFolder.Write("sub/inner.txt", "x");
    Vl::File* file = nullptr;
    EXPECT_EQ(VlFileCreateFromPath(&file, mFolder.File("sub")), ErrFilePermission);
    EXPECT_EQ(file, nullptr);
}

} // namespace
