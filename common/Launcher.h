// Starting another program by a command line, and how such a start can fail.
#pragma once

#include <string>

enum class LaunchResult {
    Started,
    OutOfMemory,
    FileNotFound,
    PathNotFound,
    BadExecutable,
    OtherFailure,
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a command line such as "spawn cardwright" from the working directory.
    virtual LaunchResult Start(const std::string& commandLine) = 0;
    // After a start that answered FileNotFound: the file it looked for, when known.
    virtual std::string MissingFile() const { return std::string(); }
};
