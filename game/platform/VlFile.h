// The platform file object and the two directories every game file is named against.
#pragma once

#include "VlBase.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace Vl {

enum FileAccess : int32_t { kF_Read = 0, kF_Write = 1, kF_Create = 2 };
enum FileOrigin : int32_t { kF_FromStart = 0, kF_FromEnd = 1, kF_FromCurrent = 2 };
enum FileLocation : int32_t { kF_FromBinary = 0, kF_FromMedia = 1 };

// Paths use '/' as separator; a '\' inside any name is read as '/', and a
// name that does not exist exactly is looked up again ignoring case, folder
// by folder (media names differ in case from the files on disk).
class File : public Base {
public:
    virtual VlResult Open(int32_t access, int32_t unused1 = 0, int32_t unused2 = 0) = 0;
    virtual VlResult Close() = 0;
    virtual bool IsOpen() = 0;
    virtual VlResult Delete() = 0;
    virtual VlResult Read(void* buffer, uint32_t size, uint32_t* bytesRead = nullptr, bool async = false) = 0;
    virtual VlResult Write(const void* buffer, uint32_t size, uint32_t* bytesWritten = nullptr,
                           bool async = false) = 0;
    virtual VlResult Seek(int32_t offset, int32_t origin) = 0;
    virtual VlResult GetPosition(uint32_t* position) = 0;
    virtual VlResult SetLength(uint32_t length) = 0;
    virtual VlResult GetLength(uint32_t* length) = 0;
    virtual VlResult IsTransferDone(bool* done, uint32_t* bytesMoved = nullptr) = 0;
    virtual VlResult WaitTransfer(uint32_t* bytesMoved = nullptr) = 0;
    virtual VlResult GetNamePart(std::string& name) = 0;
    virtual VlResult GetFullName(std::string& path) = 0;
    // Upper-cases the extension in the stored path too, so a later GetFullName shows it.
    virtual VlResult GetExtension(std::string& extension) = 0;

protected:
    File();
};

} // namespace Vl

// On success *file holds a new named, closed file (count 1) that the caller releases.
VlResult VlFileCreate(Vl::File** file, int32_t location, const std::string& name);
VlResult VlFileCreateFromPath(Vl::File** file, const std::string& path);

// The distinct media names that VlFileCreate could not make a file for, or that a loader
// could not read (VlNoteMediaFailure), since the start (or the last VlForgetMissingMedia or
// VlResetPaths); start-up sums them up for the player.
size_t VlMissingMediaCount();
void VlForgetMissingMedia();
void VlNoteMediaFailure(const std::string& name);

VlResult VlSetMediaPath(const std::string& path);
VlResult VlGetMediaPath(std::string& path);
VlResult VlGetBinaryPath(std::string& path);

// Forgets the media and working directories; tests use it between cases.
void VlResetPaths();

namespace Vlu {
// Replaces a media-relative name by its full path.
VlResult FileGetFullName(std::string& name);
}
