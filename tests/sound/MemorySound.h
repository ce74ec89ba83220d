// A sound held in memory with a fixed play length, that tells when it is destroyed.
#pragma once

#include "VlSound.h"

#include <cstdint>
#include <string>
#include <vector>

class MemorySound : public Vl::Sound {
public:
    // Mono 8-bit at 1000 samples a second, so the length in ms is the byte count.
    MemorySound(std::string name, uint32_t lengthMs, bool* destroyed = nullptr, bool loaded = true)
        : mName(std::move(name)), mBytes(lengthMs, 0x80), mDestroyed(destroyed), mLoaded(loaded)
    {
        mFormat.formatTag = 1;
        mFormat.channels = 1;
        mFormat.samplesPerSecond = 1000;
        mFormat.averageBytesPerSecond = 1000;
        mFormat.blockAlign = 1;
        mFormat.bitsPerSample = 8;
    }
    ~MemorySound() override
    {
        if (mDestroyed)
            *mDestroyed = true;
    }

    VlResult Load() override { mLoaded = true; return VlOk; }
    VlResult Unload() override { mLoaded = false; return VlOk; }
    bool IsLoaded() override { return mLoaded; }
    bool GetData(Vl::WaveFormat* format, uint32_t* size, const uint8_t** data) override
    {
        if (!mLoaded)
            return false;
        *format = mFormat;
        *size = static_cast<uint32_t>(mBytes.size());
        *data = mBytes.data();
        return true;
    }
    const std::string& GetName() override { return mName; }

private:
    std::string mName;
    std::vector<uint8_t> mBytes;
    Vl::WaveFormat mFormat;
    bool* mDestroyed;
    bool mLoaded;
};
