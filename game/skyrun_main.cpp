// skyrun's program entry: the folders, the SDL host, the window, the logs, then the application.
#include "TestApp.h"

#include "ProcessLauncher.h"
#include "SdlAudioDevice.h"
#include "SdlCdAudioOutput.h"
#include "SdlEventPump.h"
#include "SdlHost.h"
#include "SdlMixer.h"
#include "UserDataFolder.h"
#include "VirtualCdDrive.h"
#include "VlHost.h"
#include "VlLog.h"
#include "lrPresenter.h"
#include "lrSdlPresenter.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

struct Folders {
    std::string program;
    std::string cd = ".";          // the folder whose "cd" holds the music tracks
    std::string icon;              // the window's icon (PNG)
    std::string settings;          // gl.config's folder; empty: the working directory
    std::string sharedData;        // the read-only install tree; empty: none
};

std::string IconIn(const std::string& iconsRoot)
{
    return iconsRoot + "/hicolor/64x64/apps/skyrun.png";
}

// The game reads its media, settings and high scores from its working
// directory, as it did from its install folder. Portable (the program's own
// folder holds _media, as the build's dist/ does) it moves there when
// started from elsewhere. Installed (PREFIX/bin/skyrun with
// PREFIX/share/skyrun/_media) it works in the player's own data folder,
// where the high-score list is seeded from the installed one, and reads
// everything else from the read-only install tree.
Folders EnterWorkingFolder()
{
    Folders folders;
    folders.program = userdata::ProgramFolder();
    std::error_code error;
    if (fs::exists("_media", error) || fs::exists("gl.config", error)) {
        folders.icon = IconIn(folders.program + "/icons");
        return folders;
    }
    if (userdata::IsPortable(folders.program)) {
        fs::current_path(folders.program, error);
        folders.icon = IconIn(folders.program + "/icons");
        return folders;
    }
    const std::string installed = userdata::InstalledDataFolder(folders.program, "skyrun");
    if (!fs::is_directory(installed + "/_media", error))
        return folders; // no media anywhere: start-up sums that up
    const std::string user = userdata::GameDataFolder();
    fs::create_directories(user, error);
    fs::current_path(user, error);
    if (error) {
        std::cerr << "skyrun: cannot use the folder " << user << " for scores and logs: " << error.message()
                  << "\n";
        return folders;
    }
    userdata::SeedFile(installed + "/highscore.txt", user + "/highscore.txt");
    folders.cd = installed;
    folders.icon = IconIn(fs::path(installed).parent_path().string() + "/icons");
    folders.settings = userdata::GameConfigFolder();
    folders.sharedData = installed;
    return folders;
}

} // namespace

int main(int, char**)
{
    const Folders folders = EnterWorkingFolder();
    Vl::SdlHost sdl;
    if (!sdl.Start())
        return 1; // no window: nothing else is made
    sdl.SetIcon(folders.icon);

    // Everything below is destroyed before the SDL host shuts SDL down.
    ProcessLauncher launcher(folders.program);
    lrSdlPresenter presenter;
    Vl::SdlAudioDevice audio;
    SdlCdAudioOutput cdOutput;
    VirtualCdDrive cdDrive(cdOutput, folders.cd);
    Vl::Host host;
    sdl.Fill(host);
    host.launcher = &launcher;
    host.audio = &audio;
    host.cd = &cdDrive;
    host.settingsFolder = folders.settings;
    host.sharedDataFolder = folders.sharedData;
    Vl::SetHost(host);
    lrSetPresenter(&presenter);
    sdl.Events()->SetPauseHandlers([](bool paused) { SdlMixer::Mute(paused); },
                                   [&presenter] { presenter.Repaint(); });
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
