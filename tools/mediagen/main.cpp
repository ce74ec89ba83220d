// mediagen OUTDIR [--only GROUP...] [--list] [--sheet FILE.png]: writes the install tree's media.
#include "CardResourceList.h"
#include "MediaGenerator.h"
#include "art/ArtSheet.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: mediagen OUTDIR [--only GROUP...]\n"
                 "       mediagen --list\n"
                 "       mediagen --sheet FILE.png   (contact sheet of the character and prop art)\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const auto generators = mediagen::RegisteredGenerators();
    std::string outDir;
    std::set<std::string> only;
    bool inOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--list") {
            std::string last;
            for (const auto& g : generators) {
                if (g.group != last) std::printf("%s\n", g.group.c_str());
                last = g.group;
            }
            return 0;
        }
        if (arg == "--sheet") {
            if (i + 1 >= argc) return Usage();
            return mediagen::WriteArtSheet(argv[i + 1]) ? 0 : 1;
        }
        if (arg == "--only") {
            inOnly = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else if (inOnly) {
            only.insert(arg);
        } else if (outDir.empty()) {
            outDir = arg;
        } else {
            return Usage();
        }
    }
    if (outDir.empty()) return Usage();
    for (const std::string& group : only) {
        bool known = false;
        for (const auto& g : generators) known = known || g.group == group;
        if (!known) {
            std::fprintf(stderr, "mediagen: no group named '%s' (see --list)\n", group.c_str());
            return 2;
        }
    }

    const mediagen::OutputTree out(outDir);
    int failures = 0;
    for (const auto& g : generators) {
        if (!only.empty() && !only.count(g.group)) continue;
        try {
            g.function(out);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "mediagen: group '%s' failed: %s\n", g.group.c_str(), e.what());
            ++failures;
        }
    }
    if (only.empty() && !mediagen::WriteCardResourceList(out.CardResourceRoot())) {
        std::fprintf(stderr, "mediagen: cannot write the cardwright resource list\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
