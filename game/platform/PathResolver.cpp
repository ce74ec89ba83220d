// Backslash mapping and case-insensitive lookup of file names.
#include "PathResolver.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace Vl {

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size(); ++i) {
        if (b[i] == '\0' || AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return b[i] == '\0';
}

} // namespace

std::string PathResolver::ToForwardSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool PathResolver::Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string PathResolver::FindIgnoringCase(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return std::string();
    // Of several names differing only in case, the first in byte order wins,
    // so the same folder always resolves the same way.
    std::string best;
    while (dirent* entry = readdir(dir)) {
        if (EqualIgnoringCase(name, entry->d_name) && (best.empty() || best > entry->d_name))
            best = entry->d_name;
    }
    closedir(dir);
    return best;
}

std::string PathResolver::ResolveIgnoringCase(const std::string& path)
{
    if (path.empty() || Exists(path))
        return path;

    std::string resolved;
    size_t start = 0;
    if (path[0] == '/') {
        resolved = "/";
        start = 1;
    }
    for (;;) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        std::string candidate = resolved + part;
        if (!part.empty() && part != "." && part != ".." && !Exists(candidate)) {
            std::string match = FindIgnoringCase(resolved.empty() ? "." : resolved, part);
            // Nothing matches: the rest is kept as given, so a file about to be
            // created still lands in the folder found so far.
            if (match.empty())
                return resolved + path.substr(start);
            candidate = resolved + match;
        }
        resolved = candidate;
        if (end == path.size())
            return resolved;
        resolved += '/';
        start = end + 1;
    }
}

} // namespace Vl
