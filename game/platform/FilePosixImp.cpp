// The platform file object on POSIX: open, read, write, lseek, ftruncate, fstat, unlink.
#include "FilePosixImp.h"

#include "PathResolver.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace Vl {

namespace {

VlResult OpenFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ErrFileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return ErrFilePermission;
    case EEXIST:
    case EINVAL:
        return ErrInternal;
    case EMFILE:
    case ENFILE:
        return ErrFileTooManyOpen;
    default:
        return VlErrUnclassified;
    }
}

VlResult HandleFailure(int error)
{
    return error == EBADF ? ErrInternal : VlErrUnclassified;
}

// A full disk can only come from a write; a read never sees ENOSPC.
VlResult TransferFailure(int error)
{
    return error == ENOSPC ? ErrFileVolumeFull : HandleFailure(error);
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

FilePosixImp::FilePosixImp() = default;

FilePosixImp::~FilePosixImp()
{
    if (mHandle != -1)
        close(mHandle);
}

std::string FilePosixImp::PathOnDisk() const
{
    return PathResolver::ResolveIgnoringCase(mPath);
}

VlResult FilePosixImp::SetName(const std::string& path)
{
    if (path.empty())
        return VlReportError(ErrParam);
    if (mNamed)
        return VlReportError(ErrInternal);
    if (path.size() >= kMaxPathLength)
        return VlReportError(ErrFileInvalidName);
    // The real spelling is stored, so GetFullName gives a path that ordinary
    // text streams can open.
    mPath = PathResolver::ResolveIgnoringCase(PathResolver::ToForwardSlashes(path));
    mNamed = true;
    VlResult result = Open(kF_Read);
    if (result == VlOk)
        Close();
    return VlReportError(result);
}

VlResult FilePosixImp::Open(int32_t access, int32_t, int32_t)
{
    if (!mNamed)
        return VlReportError(ErrFileInvalidName);
    if (mHandle != -1)
        return VlReportError(ErrFileAlreadyOpen);
    int flags = O_CLOEXEC;
    switch (access) {
    case kF_Read:
        flags |= O_RDONLY;
        break;
    case kF_Write:
        flags |= O_RDWR;
        break;
    case kF_Create:
        flags |= O_RDWR | O_CREAT; // an existing file keeps its contents
        break;
    default:
        return VlReportError(ErrParam);
    }
    mAccess = access;
    int handle = open(PathOnDisk().c_str(), flags, 0666);
    if (handle < 0)
        return VlReportError(OpenFailure(errno));
    // A folder opens for reading here, but was never a file to the game.
    struct stat info;
    if (fstat(handle, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(handle);
        return VlReportError(ErrFilePermission);
    }
    mHandle = handle;
    return VlReportError(VlOk);
}

VlResult FilePosixImp::Close()
{
    if (!mNamed)
        return VlReportError(ErrFileInvalidName);
    if (mAsyncPending)
        return VlReportError(ErrFileAsyncInProgress);
    if (mHandle == -1)
        return VlReportError(ErrFileNotOpen);
    close(mHandle);
    mHandle = -1;
    return VlReportError(VlOk);
}

bool FilePosixImp::IsOpen()
{
    return mHandle != -1;
}

VlResult FilePosixImp::Delete()
{
    if (!mNamed)
        return VlReportError(ErrFileInvalidName);
    if (mHandle != -1)
        Close();
    if (unlink(PathOnDisk().c_str()) != 0) {
        int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return VlReportError(ErrFileNotFound);
        if (error == EACCES || error == EPERM || error == EROFS)
            return VlReportError(ErrFilePermission);
        return VlReportError(VlErrUnclassified);
    }
    return VlReportError(VlOk);
}

VlResult FilePosixImp::Read(void* buffer, uint32_t size, uint32_t* bytesRead, bool async)
{
    if (bytesRead)
        *bytesRead = 0;
    const VlResult ready = CheckTransferRequest(buffer, false, async);
    if (ready != VlOk)
        return VlReportError(ready);
    uint8_t* bytes = static_cast<uint8_t*>(buffer);
    return FinishTransfer(buffer, size, bytesRead, [this, bytes](uint32_t moved, uint32_t left) {
        return read(mHandle, bytes + moved, left);
    });
}

VlResult FilePosixImp::Write(const void* buffer, uint32_t size, uint32_t* bytesWritten, bool async)
{
    if (bytesWritten)
        *bytesWritten = 0;
    const VlResult ready = CheckTransferRequest(buffer, true, async);
    if (ready != VlOk)
        return VlReportError(ready);
    const uint8_t* bytes = static_cast<const uint8_t*>(buffer);
    return FinishTransfer(buffer, size, bytesWritten, [this, bytes](uint32_t moved, uint32_t left) {
        return write(mHandle, bytes + moved, left);
    });
}

VlResult FilePosixImp::CheckTransferRequest(const void* buffer, bool writing, bool async) const
{
    if (!mNamed)
        return ErrFileInvalidName;
    if (!buffer)
        return ErrParam;
    const VlResult ready = CheckReadyForTransfer();
    if (ready != VlOk)
        return ready;
    if (writing && mAccess == kF_Read)
        return ErrFilePermission;
    if (async)
        return ErrNotMultiThreaded;
    return VlOk;
}

template <typename SystemCall>
VlResult FilePosixImp::FinishTransfer(const void* buffer, uint32_t size, uint32_t* bytesMoved, SystemCall call)
{
    mTransferBuffer = buffer;
    mRequestedSize = size;
    uint32_t moved = 0;
    VlResult result = VlOk;
    while (moved < size) {
        const ssize_t count = call(moved, size - moved);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result = TransferFailure(errno);
            break;
        }
        if (count == 0)
            break;
        moved += static_cast<uint32_t>(count);
    }
    // Fewer bytes than asked, with nothing else wrong, is the end of the file (or of the disk).
    if (result == VlOk && moved < size)
        result = ErrFileEOF;
    mTransferred = moved;
    mTransferResult = result;
    mTransferDone = true;
    if (bytesMoved)
        *bytesMoved = moved;
    return VlReportError(result);
}

VlResult FilePosixImp::CheckReadyForTransfer() const
{
    if (!mNamed)
        return ErrFileInvalidName;
    if (mHandle == -1)
        return ErrFileNotOpen;
    if (mAsyncPending)
        return ErrFileAsyncInProgress;
    return VlOk;
}

VlResult FilePosixImp::Seek(int32_t offset, int32_t origin)
{
    VlResult ready = CheckReadyForTransfer();
    if (ready != VlOk)
        return VlReportError(ready);
    int whence = SEEK_SET;
    if (origin == kF_FromEnd)
        whence = SEEK_END;
    else if (origin == kF_FromCurrent)
        whence = SEEK_CUR;
    if (lseek(mHandle, offset, whence) < 0) {
        int error = errno;
        if (error == EINVAL || error == EOVERFLOW)
            return VlReportError(ErrFilePosition);
        return VlReportError(HandleFailure(error));
    }
    return VlReportError(VlOk);
}

VlResult FilePosixImp::GetPosition(uint32_t* position)
{
    VlResult ready = CheckReadyForTransfer();
    if (ready != VlOk)
        return VlReportError(ready);
    if (!position)
        return VlReportError(ErrParam);
    off_t offset = lseek(mHandle, 0, SEEK_CUR);
    if (offset < 0)
        return VlReportError(HandleFailure(errno));
    if (offset > std::numeric_limits<uint32_t>::max())
        return VlReportError(VlErrUnclassified);
    *position = static_cast<uint32_t>(offset);
    return VlReportError(VlOk);
}

VlResult FilePosixImp::SetLength(uint32_t length)
{
    VlResult ready = CheckReadyForTransfer();
    if (ready != VlOk)
        return VlReportError(ready);
    if (mAccess == kF_Read)
        return VlReportError(ErrFilePermission);
    if (ftruncate(mHandle, static_cast<off_t>(length)) != 0) {
        int error = errno;
        if (error == ETXTBSY || error == EAGAIN || error == EACCES)
            return VlReportError(ErrFileLocked);
        if (error == ENOSPC || error == EFBIG)
            return VlReportError(ErrFileVolumeFull);
        return VlReportError(HandleFailure(error));
    }
    return VlReportError(VlOk);
}

VlResult FilePosixImp::GetLength(uint32_t* length)
{
    if (!mNamed)
        return VlReportError(ErrFileInvalidName);
    if (!length)
        return VlReportError(ErrParam);
    if (mAsyncPending)
        return VlReportError(ErrFileAsyncInProgress);
    bool openedHere = false;
    if (mHandle == -1) {
        VlResult opened = Open(kF_Read);
        if (opened != VlOk)
            return VlReportError(opened);
        openedHere = true;
    }
    struct stat info;
    VlResult result = VlOk;
    if (fstat(mHandle, &info) != 0)
        result = HandleFailure(errno);
    else if (info.st_size > std::numeric_limits<uint32_t>::max())
        result = VlErrUnclassified;
    else
        *length = static_cast<uint32_t>(info.st_size);
    if (openedHere)
        Close();
    return VlReportError(result);
}

VlResult FilePosixImp::IsTransferDone(bool* done, uint32_t* bytesMoved)
{
    if (!mAsyncPending)
        return VlReportError(ErrFileNoCurrentAsync);
    if (!mTransferDone) {
        if (done)
            *done = false;
        return VlReportError(VlOk);
    }
    if (done)
        *done = true;
    if (bytesMoved)
        *bytesMoved = mTransferred;
    mAsyncPending = false;
    return VlReportError(mTransferResult);
}

VlResult FilePosixImp::WaitTransfer(uint32_t* bytesMoved)
{
    // Every transfer has finished before Read or Write returns, so waiting is asking once.
    bool done = false;
    return IsTransferDone(&done, bytesMoved);
}

bool FilePosixImp::FindTail(char mark, bool& cached, size_t& offset)
{
    if (cached)
        return true;
    const size_t at = mPath.rfind(mark);
    if (at == std::string::npos || mPath.size() - at - 1 >= kMaxNameLength)
        return false;
    offset = at + 1;
    cached = true;
    return true;
}

VlResult FilePosixImp::GetNamePart(std::string& name)
{
    name.clear();
    if (!mNamed || !FindTail('/', mNamePartCached, mNamePartOffset))
        return VlReportError(ErrFileInvalidName);
    name = mPath.substr(mNamePartOffset);
    return VlReportError(VlOk);
}

VlResult FilePosixImp::GetFullName(std::string& path)
{
    if (!mNamed) {
        path.clear();
        return VlReportError(ErrFileInvalidName);
    }
    path = mPath;
    return VlReportError(VlOk);
}

VlResult FilePosixImp::GetExtension(std::string& extension)
{
    extension.clear();
    // The dot is looked for in the whole path, folders included: a file
    // without one in a folder with one answers the rest of the path.
    const bool firstTime = !mExtensionCached;
    if (!mNamed || !FindTail('.', mExtensionCached, mExtensionOffset))
        return VlReportError(ErrFileInvalidName);
    if (firstTime) {
        for (size_t i = mExtensionOffset; i < mPath.size(); ++i)
            mPath[i] = AsciiUpper(mPath[i]);
    }
    extension = mPath.substr(mExtensionOffset);
    return VlReportError(VlOk);
}

} // namespace Vl
