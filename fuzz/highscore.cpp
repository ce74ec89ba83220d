// Feeds arbitrary bytes to the high-score list reader and checks that what it keeps survives a rewrite.
#include "GlHighScoreTable.h"

#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    GlHighScoreTable table;
    table.ReadFrom(in);
    table.Sort();
    table.IsHighScore(0);

    std::ostringstream out;
    table.WriteTo(out);
    std::istringstream again(out.str());
    GlHighScoreTable reread;
    reread.ReadFrom(again);
    if (reread.Entries().size() != table.Entries().size())
        std::abort();
    for (size_t i = 0; i < table.Entries().size(); ++i) {
        const HighScoreEntry& a = table.Entries()[i];
        const HighScoreEntry& b = reread.Entries()[i];
        if (a.name != b.name || a.level != b.level || a.score != b.score || a.delivered != b.delivered)
            std::abort();
    }

    table.Add({"Glimmer", 1, 100, 0});
    if (table.Entries().size() > GlHighScoreTable::kShownEntries)
        std::abort();
    return 0;
}
