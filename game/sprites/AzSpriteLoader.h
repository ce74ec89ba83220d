// Reads SPX sprite files: run-length coded 8-bit frames and their path points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class AzMemorySprite;

class AzSpriteLoader {
public:
    static constexpr int kMaxSide = 8192;
    // Larger files are taken for damaged ones rather than read into memory.
    static constexpr uint32_t kMaxFileBytes = 256u * 1024u * 1024u;

    // A new sprite owned by the caller, or null after a line in the game log.
    static AzMemorySprite* GetNew(const std::string& name);
    // Reads the file in the loader's slot whole, then decodes it with GetSPXFromMemory.
    static AzMemorySprite* GetSPX();
    // Decodes a whole SPX file held in memory; null when it is malformed or truncated.
    static AzMemorySprite* GetSPXFromMemory(const uint8_t* data, size_t size);
};
