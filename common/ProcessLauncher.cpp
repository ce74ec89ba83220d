// posix_spawn of a command line, its errors sorted as the game reports them.
#include "ProcessLauncher.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/stat.h>
#include <sstream>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

std::vector<std::string> SplitOnBlanks(const std::string& commandLine)
{
    std::vector<std::string> words;
    std::istringstream stream(commandLine);
    std::string word;
    while (stream >> word)
        words.push_back(word);
    return words;
}

// The caller's environment with the caller's own process id added.
std::vector<std::string> ChildEnvironment()
{
    std::vector<std::string> variables;
    const std::string prefix = std::string(kSpawnCallerVariable) + "=";
    for (char** entry = environ; entry && *entry; ++entry) {
        if (std::strncmp(*entry, prefix.c_str(), prefix.size()) != 0)
            variables.emplace_back(*entry);
    }
    variables.push_back(prefix + std::to_string(getpid()));
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

LaunchResult ResultOf(int error)
{
    switch (error) {
    case 0:
        return LaunchResult::Started;
    case ENOENT:
        return LaunchResult::FileNotFound;
    case ENOTDIR:
        return LaunchResult::PathNotFound;
    case ENOEXEC:
        return LaunchResult::BadExecutable;
    case ENOMEM:
    case EAGAIN:
        return LaunchResult::OutOfMemory;
    default:
        return LaunchResult::OtherFailure;
    }
}

bool IsProgram(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

} // namespace

ProcessLauncher::ProcessLauncher(std::string programFolder) : mProgramFolder(std::move(programFolder))
{
}

std::string ProcessLauncher::LauncherProgram(const std::string& programFolder)
{
    const std::string beside = programFolder + "/spawn";
    if (IsProgram(beside))
        return beside;
    const std::string installed = programFolder + "/../libexec/skyrun/spawn";
    return IsProgram(installed) ? installed : beside;
}

std::string ProcessLauncher::MissingFile() const
{
    return mMissingFile;
}

LaunchResult ProcessLauncher::Start(const std::string& commandLine)
{
    mMissingFile.clear();
    std::vector<std::string> arguments = SplitOnBlanks(commandLine);
    if (arguments.empty())
        return LaunchResult::FileNotFound;
    std::string program = arguments.front();
    if (program.find('/') == std::string::npos) {
        if (mProgramFolder.empty()) {
            program = "./" + program;
        } else if (program == "spawn" && IsProgram("./spawn") &&
                   (arguments.size() < 2 || arguments[1].find('/') != std::string::npos ||
                    IsProgram("./" + arguments[1]))) {
            // A package in the working directory (the install folder a caller moved to) comes first.
            program = "./spawn";
        } else if (program == "spawn") {
            program = LauncherProgram(mProgramFolder);
            // The launcher hands over only after this program has ended, too
            // late to tell anyone that the other program is not there.
            if (arguments.size() > 1 && arguments[1].find('/') == std::string::npos &&
                !IsProgram(mProgramFolder + "/" + arguments[1])) {
                mMissingFile = mProgramFolder + "/" + arguments[1];
                return LaunchResult::FileNotFound;
            }
        } else {
            program = mProgramFolder + "/" + program;
        }
    }
    if (access(program.c_str(), F_OK) != 0)
        mMissingFile = program;

    std::vector<std::string> environment = ChildEnvironment();
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    pid_t child = 0;
    return ResultOf(posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data()));
}
