// Feeds arbitrary bytes to cardwright's player-list reader: bounded rows and fields, exact name lookup.
#include "PlayerTable.h"

#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    PlayerTable table;
    table.ReadFrom(in);
    if (table.Rows().size() > PlayerTable::kCapacity || table.Count() != static_cast<int16_t>(table.Rows().size()))
        std::abort();
    for (const PlayerEntry& row : table.Rows()) {
        if (row.name.empty() || row.name.size() > PlayerTable::kMaxFieldLength)
            std::abort();
        if (!table.Contains(row.name))
            std::abort();
    }
    if (!table.Rows().empty() && table.LevelOf(table.Rows().front().name) != table.Rows().front().level)
        std::abort();
    return 0;
}
