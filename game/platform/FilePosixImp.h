// The platform file object over POSIX file descriptors.
#pragma once

#include "VlFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace Vl {

// Paths and names are limited as the game's files always were.
constexpr size_t kMaxPathLength = 260; // a path of this length or more is refused
constexpr size_t kMaxNameLength = 256; // likewise a name, a name part or an extension

class FilePosixImp : public File {
public:
    FilePosixImp();
    ~FilePosixImp() override;

    VlResult Open(int32_t access, int32_t unused1 = 0, int32_t unused2 = 0) override;
    VlResult Close() override;
    bool IsOpen() override;
    VlResult Delete() override;
    VlResult Read(void* buffer, uint32_t size, uint32_t* bytesRead = nullptr, bool async = false) override;
    VlResult Write(const void* buffer, uint32_t size, uint32_t* bytesWritten = nullptr,
                   bool async = false) override;
    VlResult Seek(int32_t offset, int32_t origin) override;
    VlResult GetPosition(uint32_t* position) override;
    VlResult SetLength(uint32_t length) override;
    VlResult GetLength(uint32_t* length) override;
    VlResult IsTransferDone(bool* done, uint32_t* bytesMoved = nullptr) override;
    VlResult WaitTransfer(uint32_t* bytesMoved = nullptr) override;
    VlResult GetNamePart(std::string& name) override;
    VlResult GetFullName(std::string& path) override;
    VlResult GetExtension(std::string& extension) override;

    // Names the object once and test-opens the file for reading, so only a
    // file that exists and can be read gets a file object.
    virtual VlResult SetName(const std::string& path);

private:
    // The stored path may carry an upper-cased extension (GetExtension), so
    // every system call looks its name up again ignoring case.
    std::string PathOnDisk() const;
    // Named, open and no transfer pending: what every operation on the open file needs.
    VlResult CheckReadyForTransfer() const;
    // Read's and Write's checks, in their order; Write also needs write access.
    VlResult CheckTransferRequest(const void* buffer, bool writing, bool async) const;
    // The text after the last mark is found once and its offset kept; no mark,
    // or a part of 256 characters or more, answers false.
    bool FindTail(char mark, bool& cached, size_t& offset);
    // Moves the bytes with repeated system calls and records the transfer.
    template <typename SystemCall>
    VlResult FinishTransfer(const void* buffer, uint32_t size, uint32_t* bytesMoved, SystemCall call);

    const void* mTransferBuffer = nullptr;
    bool mAsyncPending = false;
    bool mTransferDone = false;
    uint32_t mRequestedSize = 0;
    uint32_t mTransferred = 0;
    VlResult mTransferResult = VlOk;
    int32_t mHandle = -1;
    int32_t mAccess = kF_Read;
    bool mNamePartCached = false;
    size_t mNamePartOffset = 0;
    bool mExtensionCached = false;
    size_t mExtensionOffset = 0;
    bool mNamed = false;
    std::string mPath;
};

} // namespace Vl
