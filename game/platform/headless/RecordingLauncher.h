// A launcher that starts nothing and remembers what it was asked to start.
#pragma once

#include "VlHost.h"

#include <string>
#include <vector>

namespace Vl {

class RecordingLauncher : public Launcher {
public:
    LaunchResult Start(const std::string& commandLine) override;

    const std::vector<std::string>& Commands() const;
    // The answer of every later Start; Started until set.
    void SetResult(LaunchResult result);
    // What MissingFile answers from now on.
    void SetMissingFile(const std::string& path);
    std::string MissingFile() const override;

private:
    std::vector<std::string> mCommands;
    LaunchResult mResult = LaunchResult::Started;
    std::string mMissingFile;
};

} // namespace Vl
