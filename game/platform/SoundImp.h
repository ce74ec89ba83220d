// The sound object: reads its file on Load and keeps the samples until Unload.
#pragma once

#include "VlSound.h"

#include <memory>

namespace Vl {

class SoundImp : public Sound {
public:
    explicit SoundImp(File* file);
    ~SoundImp() override;

    VlResult Load() override;
    VlResult Unload() override;
    bool IsLoaded() override;
    bool GetData(WaveFormat* format, uint32_t* size, const uint8_t** data) override;
    const std::string& GetName() override;

private:
    WaveFormat mFormat;
    File* mFile;
    bool mLoaded = false;
    std::unique_ptr<uint8_t[]> mData;
    uint32_t mSize = 0;
    std::string mName;
};

} // namespace Vl
