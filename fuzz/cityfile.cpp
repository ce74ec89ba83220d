// Feeds arbitrary bytes to the sleigh ride's city file reader.
#include "GlCityFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GlCityFile file;
    file.Parse(std::string(reinterpret_cast<const char*>(data), size));
    if (file.Items().size() > GlCityFile::kMaxItems || file.Problems().size() > GlCityFile::kMaxProblems)
        __builtin_trap();
    // Every cache index the reader lets through must fit its cache.
    for (const GlCityItem& item : file.Items()) {
        if (item.kind == GlCityItem::kBuilding && (item.a < 0 || item.a >= GlCityFile::kBuildingCacheSize))
            __builtin_trap();
        if (item.kind == GlCityItem::kTower && (item.a < 0 || item.a >= GlCityFile::kTowerCacheSize))
            __builtin_trap();
        if (item.kind == GlCityItem::kHouse && (item.a < 0 || item.a >= GlCityFile::kHouseCacheSize))
            __builtin_trap();
    }
    return 0;
}
