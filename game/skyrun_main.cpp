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

int main(int, char**)
{
    Vl::SdlHost sdl;
    if (!sdl.Start())
        return 1; // no window: nothing else is made

    // Everything below is destroyed before the SDL host shuts SDL down.
    ProcessLauncher launcher;
    lrSdlPresenter presenter;
    Vl::SdlAudioDevice audio;
    Vl::SdlCdAudioOutput cdOutput;
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
