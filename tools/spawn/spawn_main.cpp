// spawn NAME: waits until the calling program has ended, then starts NAME from spawn's own folder
// (or, installed in PREFIX/libexec/skyrun, from PREFIX/bin).
#include "ProcessLauncher.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

std::string OwnFolder()
{
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return ".";
    std::string path(buffer, static_cast<size_t>(length));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The launcher names its own process; without it, the parent is the caller.
// The name matters when the caller ended before spawn ran: spawn's parent is
// then whoever adopted it, and waiting for that would never end.
pid_t CallerProcess()
{
    if (const char* named = std::getenv(kSpawnCallerVariable)) {
        char* end = nullptr;
        long pid = std::strtol(named, &end, 10);
        if (end != named && *end == '\0' && pid > 1 && pid <= INT_MAX)
            return static_cast<pid_t>(pid);
    }
    return getppid();
}

bool Running(pid_t pid)
{
    if (kill(pid, 0) != 0 && errno != EPERM)
        return false;
    // An ended caller stays a zombie until its own parent collects it.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    size_t nameEnd = line.rfind(')');
    return nameEnd == std::string::npos || nameEnd + 2 >= line.size() || line[nameEnd + 2] != 'Z';
}

void WaitForEnd(pid_t pid)
{
    if (pid <= 1)
        return;
    int handle = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (handle >= 0) {
        pollfd watch{handle, POLLIN, 0};
        while (poll(&watch, 1, -1) < 0 && errno == EINTR) {
        }
        close(handle);
        return;
    }
    if (errno == ESRCH)
        return;
    while (Running(pid))
        usleep(50 * 1000);
}

bool IsProgram(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '\0') {
        std::cerr << "spawn: no program named.\n"
                     "usage: spawn PROGRAM  (starts PROGRAM from spawn's folder once the caller has ended)\n";
        return 1;
    }
    std::string name = argv[1];
    std::string folder = OwnFolder();
    if (name.find('/') != std::string::npos) {
        std::cerr << "spawn: \"" << name << "\" is not a program name; only programs in " << folder
                  << " can be started.\n";
        return 1;
    }
    std::string program = folder + "/" + name;
    if (!IsProgram(program)) {
        const std::string installed = folder + "/../../bin";
        if (!IsProgram(installed + "/" + name)) {
            std::cerr << "spawn: the program \"" << name << "\" was not found in " << folder << ".\n";
            return 1;
        }
        folder = installed;
        program = installed + "/" + name;
    }

    pid_t caller = CallerProcess();
    unsetenv(kSpawnCallerVariable);
    WaitForEnd(caller);

    if (chdir(folder.c_str()) != 0) {
        std::cerr << "spawn: cannot change to " << folder << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::vector<char*> arguments(argv + 1, argv + argc);
    arguments.push_back(nullptr);
    execv(program.c_str(), arguments.data());
    std::cerr << "spawn: cannot start " << program << ": " << std::strerror(errno) << "\n";
    return 1;
}
