// Starts another program of the package, as "spawn cardwright", from the working directory.
#pragma once

#include "Launcher.h"

#include <string>

// The started program finds the caller's process id in this variable, so it
// can wait for the caller to end even if the caller has already gone.
constexpr const char* kSpawnCallerVariable = "SKYRUN_SPAWN_CALLER";

class ProcessLauncher : public Launcher {
public:
    // The line is split on blanks; the first word names the program, taken
    // relative to the working directory when it holds no '/'. The program
    // runs on its own: nobody waits for it.
    LaunchResult Start(const std::string& commandLine) override;
};
