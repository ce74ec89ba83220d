// cardwright's working window: background art, the canvas, the category buttons and thumbnail
// strip, a button panel on each side, the thumbnail caption, the menus and the music player.
#pragma once

#include <QMainWindow>
#include <QPrinter>

#include <array>
#include <memory>

class CDPlayerControl;
class CanvasControl;
class Launcher;
class LeftButtonsControl;
class MiddleButtonsControl;
class QAction;
class QLabel;
class QMenu;
class RightButtonsControl;
class ThumbNailScroller;
class VirtualCdDrive;
class frmAbout;
class frmLogin;
class frmText;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 480;
    // How long a shown window waits for its activation before running the player flow itself.
    static constexpr int kActivationWaitMs = 300;

    // cdDrive may be null: the music then stays off.
    frmMain(Launcher& launcher, VirtualCdDrive* cdDrive, QWidget* parent = nullptr);
    ~frmMain() override;

    // Captions from the string table, the text and login windows, the layout; opens the CD player.
    void Load();

    // Run whenever the window becomes active: the login while nobody plays,
    // otherwise the first category for the player's level.
    void PlayerFlow();
    // Runs the flow a little later unless an activation has run it since the window was shown:
    // a desktop without a window manager may never activate the window.
    void PlayerFlowUnlessActivated();
    // Hides this window for the modal login; ends the program after Quit or a game start.
    void LoginAction();
    // The text window over this one; its text goes to the canvas after OK.
    void TextAction();
    // Chooses the printer that File > Print and the Print button use from now on.
    void ShowPrinterDialog();
    void ShowAbout();

    frmLogin* Login() const { return mLogin; }
    frmText* TextWindow() const { return mText; }
    QPrinter& Printer() { return mPrinter; }
    // True once the window has been closed for good.
    bool Ended() const { return mEnded; }

    LeftButtonsControl* LeftButtons = nullptr;
    CanvasControl* Canvas = nullptr;
    RightButtonsControl* RightButtons = nullptr;
    MiddleButtonsControl* MiddleButtons = nullptr;
    // Named as the main window has always named its strip, hence the qualified type.
    ::ThumbNailScroller* ThumbNailScroller = nullptr;
    QLabel* ThumbName = nullptr;
    CDPlayerControl* CDPlayer = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFilePageSetup = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileBar2 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuMusic = nullptr;
    std::array<QAction*, 3> mnuMusicTrack{};
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

signals:
    // The window closed and took the others with it: the program ends.
    void ProgramEnded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildParts();
    void WireParts();
    void ShowTrackCheck(int NewTrack);

    Launcher& mLauncher;
    VirtualCdDrive* mCdDrive;
    frmLogin* mLogin = nullptr;
    frmText* mText = nullptr;
    frmAbout* mAbout = nullptr;
    QWidget* mPicture = nullptr;
    QPrinter mPrinter;
    bool mInLogin = false;
    bool mEnded = false;
    bool mFlowRanSinceShown = false;
};
