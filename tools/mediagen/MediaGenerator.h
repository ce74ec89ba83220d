// How media groups plug into the media generator: the output tree and self-registration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

// The install tree being written (OUTDIR).
class OutputTree {
public:
    explicit OutputTree(std::string root);
    const std::string& Root() const;
    // "waves\Click.wav" -> ROOT/_media/waves/Click.wav ('\' becomes '/', case kept)
    std::string MediaPath(const std::string& gameName) const;
    // "cd/track02.ogg", "highscore.txt" -> ROOT/cd/track02.ogg ...
    std::string InstallPath(const std::string& relative) const;
    // cardwright's compiled-in resources, beside the install tree: "bitmaps/1302.bmp" ->
    // ROOT/../cardres/bitmaps/1302.bmp. Bitmaps are named by resource number; string
    // tables are "strings/NAME.txt", one "NUMBER<tab>text" a line (UTF-8).
    std::string CardResourcePath(const std::string& relative) const;
    std::string CardResourceRoot() const;

private:
    std::string mRoot;
};

using GeneratorFunction = void (*)(const OutputTree& out);

// A file-scope `static const mediagen::RegisterGenerator kReg("group", &Fn);` adds a group;
// groups run in name order; `mediagen OUTDIR --only group ...` runs just those.
struct RegisterGenerator {
    RegisterGenerator(const char* group, GeneratorFunction function);
};

struct GeneratorEntry {
    std::string group;
    GeneratorFunction function;
};

// Every registered generator, sorted by group name (a group may have several).
std::vector<GeneratorEntry> RegisteredGenerators();

// WriteMediaFile that turns a failure into an exception, so mediagen exits with an error.
void WriteOrThrow(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace mediagen
