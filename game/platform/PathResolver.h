// Turns the game's Windows-style file names into paths that exist on this system.
#pragma once

#include <string>

namespace Vl {

class PathResolver {
public:
    // A '\' in a name is read as '/'.
    static std::string ToForwardSlashes(std::string path);

    // The path itself when it exists; otherwise each folder and the file name
    // are looked up again ignoring case, one after the other. From the first
    // part without any match on, the path is kept as given, so opening it
    // fails the ordinary way and creating it uses the folders found.
    static std::string ResolveIgnoringCase(const std::string& path);

private:
    static bool Exists(const std::string& path);
    static std::string FindIgnoringCase(const std::string& folder, const std::string& name);
};

} // namespace Vl
