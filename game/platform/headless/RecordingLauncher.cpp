// Records command lines instead of starting programs.
#include "RecordingLauncher.h"

namespace Vl {

LaunchResult RecordingLauncher::Start(const std::string& commandLine)
{
    mCommands.push_back(commandLine);
    return mResult;
}

const std::vector<std::string>& RecordingLauncher::Commands() const
{
    return mCommands;
}

void RecordingLauncher::SetResult(LaunchResult result)
{
    mResult = result;
}

void RecordingLauncher::SetMissingFile(const std::string& path)
{
    mMissingFile = path;
}

std::string RecordingLauncher::MissingFile() const
{
    return mMissingFile;
}

} // namespace Vl
