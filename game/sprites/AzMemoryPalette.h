// A 256-entry palette in memory: red, green, blue and a fourth byte per entry.
#pragma once

#include <array>
#include <cstdint>

class AzMemoryPalette {
public:
    static constexpr int kEntryCount = 256;
    static constexpr int kEntryBytes = 4;
    static constexpr int kStorageBytes = kEntryCount * kEntryBytes;

    // All 256 entries start black; a file that supplies fewer leaves the rest so.
    AzMemoryPalette() = default;

    // How many entries a bitmap's colour table had (0 for RIFF palettes); the display
    // always receives the whole storage whatever this says.
    uint32_t GetCount() const { return mCount; }
    void SetCount(uint32_t count) { mCount = count; }

    uint8_t* GetEntries() { return mEntries.data(); }
    const uint8_t* GetEntries() const { return mEntries.data(); }

private:
    uint32_t mCount = 0;
    std::array<uint8_t, kStorageBytes> mEntries{};
};
