// A loader's file slot over the platform file object.
#include "AzFileSlot.h"

#include "VlFile.h"
#include "VlLog.h"

#include <cctype>
#include <limits>

AzFileSlot::~AzFileSlot()
{
    Empty();
}

void AzFileSlot::LogWithName(const char* text, const std::string& name)
{
    azLog() << text << name << "\n" << std::flush;
}

void AzFileSlot::NoteFailure(const std::string& name)
{
    VlNoteMediaFailure(name);
}

VlResult AzFileSlot::Create(const std::string& name)
{
    Empty();
    Vl::File* file = nullptr;
    const VlResult result = VlFileCreate(&file, Vl::kF_FromMedia, name);
    if (result == VlOk) mFile = file;
    return result;
}

void AzFileSlot::Empty()
{
    if (!mFile) return;
    if (mFile->IsOpen()) mFile->Close();
    mFile->Release();
    mFile = nullptr;
}

std::string AzFileSlot::Extension()
{
    std::string extension;
    if (!mFile || mFile->GetExtension(extension) != VlOk) return std::string();
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension;
}

bool AzFileSlot::Open()
{
    return mFile && mFile->Open(Vl::kF_Read) == VlOk;
}

bool AzFileSlot::ReadExact(void* buffer, uint32_t size)
{
    if (!mFile) return false;
    if (size == 0) return true;
    uint32_t got = 0;
    const VlResult result = mFile->Read(buffer, size, &got);
    return result == VlOk && got == size;
}

bool AzFileSlot::SkipForward(uint32_t count)
{
    if (!mFile || count > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return false;
    return mFile->Seek(static_cast<int32_t>(count), Vl::kF_FromCurrent) == VlOk;
}

bool AzFileSlot::SeekTo(uint32_t position)
{
    if (!mFile || position > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return false;
    return mFile->Seek(static_cast<int32_t>(position), Vl::kF_FromStart) == VlOk;
}

bool AzFileSlot::Length(uint32_t& length)
{
    return mFile && mFile->GetLength(&length) == VlOk;
}
