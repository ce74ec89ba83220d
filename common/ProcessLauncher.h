// Starts another program of the package, as "spawn cardwright", from the working directory.
#pragma once

#include "Launcher.h"

#include <string>

// The started program finds the caller's process id in this variable, so it
// can wait for the caller to end even if the caller has already gone.
constexpr const char* kSpawnCallerVariable = "SKYRUN_SPAWN_CALLER";

class ProcessLauncher : public Launcher {
public:
    ProcessLauncher() = default;
    // Programs are looked for in programFolder rather than the working
    // directory: "spawn" where LauncherProgram finds it, and the program that
    // "spawn NAME" hands over to must be programFolder/NAME, checked before
    // anything is started.
    explicit ProcessLauncher(std::string programFolder);

    // The line is split on blanks; the first word names the program, taken
    // relative to the working directory (or the program folder) when it
    // holds no '/'. The program runs on its own: nobody waits for it.
    LaunchResult Start(const std::string& commandLine) override;
    std::string MissingFile() const override;

    // The launcher of a package whose programs are in programFolder: beside
    // them (portable) or in ../libexec/skyrun (installed).
    static std::string LauncherProgram(const std::string& programFolder);

private:
    std::string mProgramFolder;
    std::string mMissingFile;
};
