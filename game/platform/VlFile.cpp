// Making file objects, the media and working directories, and full media names.
#include "VlFile.h"

#include "VlHost.h"

#include "FilePosixImp.h"
#include "PathResolver.h"
#include "VlLog.h"

#include <cerrno>
#include <new>
#include <set>
#include <unistd.h>

namespace {

struct Directories {
    std::string media;
    bool mediaSet = false;
    std::string binary;
    bool binaryRead = false;
};

Directories& Folders()
{
    static Directories folders;
    return folders;
}

} // namespace

namespace Vl {

File::File() : Base(VlFourCC("file"))
{
}

} // namespace Vl

VlResult VlSetMediaPath(const std::string& path)
{
    if (path.size() >= Vl::kMaxNameLength)
        return VlReportError(ErrParam);
    std::string media = Vl::PathResolver::ToForwardSlashes(path);
    // An empty text becomes "/" here, as it always became a lone separator.
    if (media.empty() || media.back() != '/')
        media += '/';
    Folders().media = media;
    Folders().mediaSet = true;
    return VlReportError(VlOk);
}

VlResult VlGetMediaPath(std::string& path)
{
    if (!Folders().mediaSet)
        return VlGetBinaryPath(path);
    path = Folders().media;
    return VlReportError(VlOk);
}

VlResult VlGetBinaryPath(std::string& path)
{
    Directories& folders = Folders();
    if (!folders.binaryRead) {
        char buffer[Vl::kMaxPathLength];
        if (!getcwd(buffer, sizeof buffer)) {
            path.clear();
            if (errno == ENOMEM)
                return VlReportError(ErrInternal);
            if (errno == ERANGE)
                return VlReportError(ErrFileInvalidName);
            return VlReportError(VlErrUnclassified);
        }
        folders.binary = buffer;
        if (folders.binary.empty() || folders.binary.back() != '/')
            folders.binary += '/';
        folders.binaryRead = true;
    }
    path = folders.binary;
    return VlReportError(VlOk);
}

namespace {

std::set<std::string>& MissingMedia()
{
    static std::set<std::string> names;
    return names;
}

} // namespace

void VlResetPaths()
{
    Folders() = Directories();
    MissingMedia().clear();
}

static VlResult CreateInLocation(Vl::File** file, int32_t location, const std::string& name);

size_t VlMissingMediaCount()
{
    return MissingMedia().size();
}

void VlForgetMissingMedia()
{
    MissingMedia().clear();
}

void VlNoteMediaFailure(const std::string& name)
{
    if (MissingMedia().size() < 100000)
        MissingMedia().insert(name);
}

VlResult VlFileCreate(Vl::File** file, int32_t location, const std::string& name)
{
    VlResult result = CreateInLocation(file, location, name);
    if (result != VlOk && location == Vl::kF_FromMedia)
        VlNoteMediaFailure(name);
    return result;
}

static VlResult CreateInLocation(Vl::File** file, int32_t location, const std::string& name)
{
    if (file)
        *file = nullptr;
    std::string path;
    VlResult result;
    if (location == Vl::kF_FromBinary)
        result = VlGetBinaryPath(path);
    else if (location == Vl::kF_FromMedia)
        result = VlGetMediaPath(path);
    else
        return VlReportError(ErrParam);
    if (result != VlOk)
        return VlReportError(result);
    if (name.size() >= Vl::kMaxNameLength)
        return VlReportError(ErrFileInvalidName);
    path += name;
    if (path.size() >= Vl::kMaxPathLength)
        return VlReportError(ErrFileInvalidName);
    result = VlFileCreateFromPath(file, path);
    const std::string& shared = Vl::GetHost().sharedDataFolder;
    if (result == ErrFileNotFound && location == Vl::kF_FromBinary && !shared.empty()) {
        std::string installed = shared + (shared.back() == '/' ? "" : "/") + name;
        if (installed.size() < Vl::kMaxPathLength && VlFileCreateFromPath(file, installed) == VlOk)
            return VlReportError(VlOk);
        return VlReportError(result);
    }
    return result;
}

VlResult VlFileCreateFromPath(Vl::File** file, const std::string& path)
{
    if (!file)
        return VlReportError(ErrParam);
    *file = nullptr;
    if (path.empty())
        return VlReportError(ErrParam);
    if (path.size() >= Vl::kMaxPathLength)
        return VlReportError(ErrFileInvalidName);
    Vl::FilePosixImp* created = nullptr;
    try {
        created = new Vl::FilePosixImp();
    } catch (const std::bad_alloc&) {
        return VlReportError(ErrMemFull);
    }
    VlResult result = created->SetName(path);
    if (result != VlOk) {
        created->Release();
        return VlReportError(result);
    }
    *file = created;
    return VlReportError(VlOk);
}

namespace Vlu {

VlResult FileGetFullName(std::string& name)
{
    Vl::File* file = nullptr;
    VlResult result = VlFileCreate(&file, Vl::kF_FromMedia, name);
    if (result != VlOk) {
        Vl::PlatformLog() << "Vlu::FileGetFullName - VlFileCreate failed.  Returning  " << name << "\n";
        Vl::PlatformLog().flush();
        return VlReportError(result);
    }
    file->GetFullName(name);
    file->Release();
    return VlReportError(VlOk);
}

} // namespace Vlu
