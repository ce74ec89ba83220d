// The output tree's path rules and the registry of generator groups.
#include "MediaGenerator.h"

#include "MediaFile.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace mediagen {

namespace {

// A function-local list, so registrations from other files' static objects
// never run before the list itself exists.
std::vector<GeneratorEntry>& Registry()
{
    static std::vector<GeneratorEntry> entries;
    return entries;
}

std::string JoinPath(const std::string& root, std::string relative)
{
    std::replace(relative.begin(), relative.end(), '\\', '/');
    while (!relative.empty() && relative.front() == '/') relative.erase(relative.begin());
    if (root.empty()) return relative;
    return root.back() == '/' ? root + relative : root + "/" + relative;
}

} // namespace

OutputTree::OutputTree(std::string root) : mRoot(std::move(root)) {}

const std::string& OutputTree::Root() const { return mRoot; }

std::string OutputTree::MediaPath(const std::string& gameName) const
{
    return JoinPath(mRoot, "_media/" + gameName);
}

std::string OutputTree::InstallPath(const std::string& relative) const { return JoinPath(mRoot, relative); }

std::string OutputTree::CardResourceRoot() const { return JoinPath(mRoot, "../cardres"); }

std::string OutputTree::CardResourcePath(const std::string& relative) const
{
    return JoinPath(CardResourceRoot(), relative);
}

RegisterGenerator::RegisterGenerator(const char* group, GeneratorFunction function)
{
    Registry().push_back({group, function});
}

std::vector<GeneratorEntry> RegisteredGenerators()
{
    std::vector<GeneratorEntry> entries = Registry();
    // Registration order across files is up to the linker, so only the group name orders;
    // parts of one group must write different files for the output not to depend on it.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const GeneratorEntry& a, const GeneratorEntry& b) { return a.group < b.group; });
    return entries;
}

void WriteOrThrow(const std::string& path, const std::vector<uint8_t>& bytes)
{
    if (!WriteMediaFile(path, bytes)) throw std::runtime_error("cannot write " + path);
}

} // namespace mediagen
