// skyrun's program entry: the SDL host, the window, the logs, then the application.
#include "TestApp.h"

#include "ProcessLauncher.h"
#include "SdlAudioDevice.h"
#include "SdlCdAudioOutput.h"
#include "SdlHost.h"
#include "VirtualCdDrive.h"
#include "VlHost.h"
#include "VlLog.h"
#include "lrPresenter.h"
#include "lrSdlPresenter.h"

#include <filesystem>
#include <system_error>

namespace {

// The game reads its media, settings and high scores from its working
// directory, as it did from its install folder. Started from elsewhere (a
// file manager, a terminal in another folder), it moves to its own folder
// when that is where they are.
void EnterInstallFolder()
{
    std::error_code error;
    if (std::filesystem::exists("_media", error) || std::filesystem::exists("gl.config", error))
        return;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return;
    std::filesystem::path folder = program.parent_path();
    if (std::filesystem::exists(folder / "_media", error))
        std::filesystem::current_path(folder, error);
}

} // namespace

int main(int, char**)
{
    EnterInstallFolder();
    Vl::SdlHost sdl;
    if (!sdl.Start())
        return 1; // no window: nothing else is made

    // Everything below is destroyed before the SDL host shuts SDL down.
    ProcessLauncher launcher;
    lrSdlPresenter presenter;
    Vl::SdlAudioDevice audio;
    SdlCdAudioOutput cdOutput;
    VirtualCdDrive cdDrive(cdOutput, ".");
    Vl::Host host;
    sdl.Fill(host);
    host.launcher = &launcher;
    host.audio = &audio;
    host.cd = &cdDrive;
    Vl::SetHost(host);
    lrSetPresenter(&presenter);
    Vl::OpenLogs();

    if (VlApplication* application = CreateApplication()) {
        if (application->Init() == 0) {
            application->Run();
            application->Exit();
        }
        delete application;
    }

    Vl::CloseLogs();
    lrSetPresenter(nullptr);
    Vl::SetHost(Vl::Host());
    return 0;
}
