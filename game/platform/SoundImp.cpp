// Loading, keeping and handing out a sound's samples; the sound factories.
#include "SoundImp.h"

#include "SoundFileReader.h"
#include "VlLog.h"

#include <new>

namespace Vl {

Sound::Sound() : Base(static_cast<uint32_t>(VlFourCC("sond")))
{
}

SoundImp::SoundImp(File* file) : mFile(file)
{
    if (mFile) {
        mFile->AddRef();
        // Taken now: loading upper-cases the extension in the file's stored path.
        mFile->GetNamePart(mName);
    }
}

SoundImp::~SoundImp()
{
    Unload();
    if (mFile)
        mFile->Release();
}

VlResult SoundImp::Load()
{
    if (mLoaded)
        return VlReportError(VlOk);
    if (!mFile)
        return VlReportError(ErrParam);

    SoundFileContents contents;
    VlResult result = ReadSoundFile(*mFile, contents);
    if (result != VlOk)
        return VlReportError(result);

    mFormat = WaveFormat();
    mFormat.formatTag = 1;
    mFormat.channels = contents.channels;
    mFormat.samplesPerSecond = static_cast<uint32_t>(contents.sampleRate);
    // Both fields are 16 bits from the file: their product is taken in 32 bits, as an int
    // would overflow. The reader has already refused frames too wide for the record.
    mFormat.blockAlign = static_cast<uint16_t>(uint32_t{contents.channels} * contents.bitsPerSample / 8u);
    mFormat.averageBytesPerSecond = mFormat.samplesPerSecond * uint32_t{mFormat.blockAlign};
    mFormat.bitsPerSample = contents.bitsPerSample;
    mFormat.extraSize = 0;
    mData = std::move(contents.data);
    mSize = contents.size;
    mLoaded = true;
    return VlReportError(VlOk);
}

VlResult SoundImp::Unload()
{
    if (mLoaded) {
        mData.reset();
        mSize = 0;
        mLoaded = false;
    }
    return VlReportError(VlOk);
}

bool SoundImp::IsLoaded()
{
    return mLoaded;
}

bool SoundImp::GetData(WaveFormat* format, uint32_t* size, const uint8_t** data)
{
    if (!mLoaded)
        return false;
    if (format)
        *format = mFormat;
    if (size)
        *size = mSize;
    if (data)
        *data = mData.get();
    return true;
}

const std::string& SoundImp::GetName()
{
    return mName;
}

} // namespace Vl

VlResult VlSoundCreate(Vl::Sound** sound, Vl::File* file)
{
    if (!sound || !file)
        return VlReportError(ErrParam);
    Vl::Sound* made = new (std::nothrow) Vl::SoundImp(file);
    if (!made)
        return VlReportError(ErrMemFull);
    *sound = made;
    return VlReportError(VlOk);
}

namespace Vlu {

VlResult SoundCreateAndLoad(Vl::Sound** sound, const std::string& name)
{
    Vl::File* file = nullptr;
    VlResult result = VlFileCreate(&file, Vl::kF_FromMedia, name);
    if (result != VlOk) {
        Vl::PlatformLog() << "Vlu::SoundCreateAndLoad error in Creating file" << name << "\n" << std::flush;
        return VlReportError(result);
    }
    result = VlSoundCreate(sound, file);
    if (result != VlOk) {
        Vl::PlatformLog() << "Vlu::SoundCreateAndLoad error in Creating sound" << name << "\n" << std::flush;
        file->Release();
        return VlReportError(result);
    }
    // The sound holds its own reference; ours goes whether the load works or not.
    file->Release();
    result = (*sound)->Load();
    if (result != VlOk) {
        Vl::PlatformLog() << "Vlu::SoundCreateAndLoad error in Creating sound" << name << "\n" << std::flush;
        return VlReportError(result);
    }
    return VlReportError(VlOk);
}

} // namespace Vlu
