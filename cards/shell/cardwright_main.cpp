// cardwright's program entry: the Qt application, the CD drive over SDL audio, then the start-up.
#include "InstallDirSetting.h"
#include "MainMod.h"
#include "ProcessLauncher.h"
#include "SdlCdAudioOutput.h"
#include "SdlMixer.h"
#include "UserDataFolder.h"
#include "VirtualCdDrive.h"
#include "frmMain.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(InstallDirSetting::kApplication));
    QApplication::setOrganizationName(QString::fromLatin1(InstallDirSetting::kOrganisation));
    // The last window closing is not the end: the login hides the main window while it is up.
    QApplication::setQuitOnLastWindowClosed(false);

    // SDL plays the music only; without an audio output there is no drive and the music stays off.
    const bool audio = SdlMixer::Open();
    SdlCdAudioOutput cdOutput;
    std::unique_ptr<VirtualCdDrive> cdDrive;
    if (audio) {
        // The disc folder "cd" lies beside a portable program, or with the game's installed data.
        const std::string programFolder = QApplication::applicationDirPath().toStdString();
        const std::string discParent = userdata::IsPortable(programFolder)
                                           ? programFolder
                                           : userdata::InstalledDataFolder(programFolder, "skyrun");
        cdDrive = std::make_unique<VirtualCdDrive>(cdOutput, discParent);
    }

    // "spawn" and the game are looked for beside this program, or in an installed package's
    // libexec/skyrun and bin: not in whatever folder the login moved to.
    ProcessLauncher launcher(QApplication::applicationDirPath().toStdString());
    int result = 0;
    {
        std::unique_ptr<frmMain> main;
        MainMod::Start([&] {
            main = std::make_unique<frmMain>(launcher, cdDrive.get());
            QObject::connect(main.get(), &frmMain::ProgramEnded, &application, &QApplication::quit,
                             Qt::QueuedConnection);
            main->Load();
            return main.get();
        });
        if (!main->Ended())
            result = QApplication::exec();
    }
    cdDrive.reset();
    if (audio)
        SdlMixer::Close();
    return result;
}
