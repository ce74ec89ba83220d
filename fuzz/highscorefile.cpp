// Feeds arbitrary bytes as highscore.txt to the list's file reader and writer, as the high-score screen uses them.
#include "GlHighScoreTable.h"
#include "mediafolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string ReadBack(const char* name)
{
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::EnterFolder();
    fuzzmedia::WriteFile(GlHighScoreTable::kFileName, data, size);
    std::remove("highscore.txt.bak");

    GlHighScoreTable table;
    table.LoadHighScoreList();
    const bool damaged = table.HadUnreadableParts();
    const size_t count = table.Entries().size();
    table.Add({"Glimmer", 1, 100, 0});
    if (!table.WriteHighScoreListToDisk())
        std::abort();
    // What could not be read is kept beside the list, byte for byte.
    if (damaged && ReadBack("highscore.txt.bak") != std::string(reinterpret_cast<const char*>(data), size))
        std::abort();

    GlHighScoreTable reread;
    reread.LoadHighScoreList();
    if (reread.HadUnreadableParts() || reread.Entries().size() != table.Entries().size() ||
        reread.Entries().size() > GlHighScoreTable::kShownEntries || (count < 5 && reread.Entries().size() != count + 1))
        std::abort();
    return 0;
}
