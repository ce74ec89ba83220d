// Main window: layout, menus, the wiring between its parts, the login flow and closing down.
#include "frmMain.h"

#include "CDPlayerControl.h"
#include "CanvasControl.h"
#include "ComposeWiring.h"
#include "LeftButtonsControl.h"
#include "MiddleButtonsControl.h"
#include "PictureLabel.h"
#include "ResourceCaptions.h"
#include "RightButtonsControl.h"
#include "ShellPictures.h"
#include "ThumbNailScroller.h"
#include "WindowPlacement.h"
#include "frmAbout.h"
#include "frmLogin.h"
#include "frmText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QScreen>
#include <QTimer>

frmMain::frmMain(Launcher& launcher, VirtualCdDrive* cdDrive, QWidget* parent)
    : QMainWindow(parent), mLauncher(launcher), mCdDrive(cdDrive)
{
    setWindowTitle(QStringLiteral("Santa's Cardwright"));
    BuildMenus();
    BuildParts();
    WireParts();
}

frmMain::~frmMain() = default;

void frmMain::BuildMenus()
{
    // Each caption holds the number of its text in the string table until the captions are applied.
    mnuFile = menuBar()->addMenu(QStringLiteral("1000"));
    mnuFilePageSetup = mnuFile->addAction(QStringLiteral("1002"));
    mnuFilePrint = mnuFile->addAction(QStringLiteral("1003"));
    mnuFileBar2 = mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("1004"));
    mnuMusic = menuBar()->addMenu(QStringLiteral("1100"));
    for (int i = 0; i < int(mnuMusicTrack.size()); ++i) {
        mnuMusicTrack[i] = mnuMusic->addAction(QString::number(1101 + i));
        mnuMusicTrack[i]->setCheckable(true);
    }
    mnuHelp = menuBar()->addMenu(QStringLiteral("1200"));
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("1202"));
}

void frmMain::BuildParts()
{
    mPicture = new QWidget(this);
    mPicture->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(mPicture);
    PictureLabel::Make(mPicture, ShellPictures::kMainWindow);

    // Made in stacking order: the panels lie under the canvas, the strip and the caption.
    LeftButtons = new LeftButtonsControl(mPicture);
    RightButtons = new RightButtonsControl(mPicture);
    Canvas = new CanvasControl(mPicture);
    MiddleButtons = new MiddleButtonsControl(mPicture);
    ThumbNailScroller = new ::ThumbNailScroller(mPicture);
    ThumbName = new QLabel(mPicture);
    ThumbName->setAlignment(Qt::AlignCenter);
    ThumbName->setStyleSheet(QStringLiteral("color: #fff6d8; font-weight: bold;"));
    CDPlayer = new CDPlayerControl(mCdDrive, this);

    mText = new frmText(this);
    mLogin = new frmLogin(mLauncher, this);
    mAbout = new frmAbout(this);
}

void frmMain::WireParts()
{
    connect(LeftButtons, &LeftButtonsControl::Login, this, &frmMain::LoginAction);
    connect(LeftButtons, &LeftButtonsControl::ClearAll, this, [this] { Canvas->ClearAll(); });
    connect(LeftButtons, &LeftButtonsControl::Remove, this, [this] { Canvas->RemoveGraphic(); });
    connect(RightButtons, &RightButtonsControl::MusicOnOff, this,
            [this] { RightButtons->SetMusicOn(CDPlayer->PlayToggle()); });
    connect(RightButtons, &RightButtonsControl::Text, this, &frmMain::TextAction);
    connect(RightButtons, &RightButtonsControl::PrintCanvas, this, [this] { Canvas->CanvasPrint(); });
    ComposeWiring::Connect(MiddleButtons, ThumbNailScroller, Canvas, ThumbName, [this] { return mLogin->UserLevel(); });
    connect(CDPlayer, &CDPlayerControl::AudioTrackChange, this, &frmMain::ShowTrackCheck);
    connect(mLogin, &frmLogin::ClearCanvas, this, [this] { Canvas->ClearAll(); });

    connect(mnuFilePageSetup, &QAction::triggered, this, &frmMain::ShowPrinterDialog);
    connect(mnuFilePrint, &QAction::triggered, this, [this] { Canvas->CanvasPrint(); });
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    for (int i = 0; i < int(mnuMusicTrack.size()); ++i)
        connect(mnuMusicTrack[i], &QAction::triggered, this, [this, i] {
            CDPlayer->SetTrack(i + 2);
            // The check mark follows the player, not the click.
            ShowTrackCheck(CDPlayer->IsOpen() ? CDPlayer->Track() : 0);
        });
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::ShowAbout);
}

void frmMain::Load()
{
    ApplyResourceCaptions(this);
    mLogin->Load();

    LeftButtons->move(0, 0);
    Canvas->move(100, 0);
    RightButtons->move(550, 0);
    MiddleButtons->move(100, 360);
    ThumbNailScroller->move(0, 400);
    ThumbName->setGeometry(160, 330, 320, 20);

    // The picture area is 640 x 480; the menu bar and the frame come on top of it.
    const int frameHeight = menuBar()->sizeHint().height();
    const QSize outer(kClientWidth, kClientHeight + frameHeight);
    LeftButtons->resize(kClientWidth, outer.height());
    RightButtons->resize(kClientWidth, outer.height());
    MiddleButtons->resize(411, MiddleButtons->height());
    ThumbNailScroller->resize(kClientWidth, ThumbNailScroller->height());
    WindowPlacement::CentreOnScreen(this, outer);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().topLeft() +
             WindowPlacement::CentredCorner(screen->geometry().size(), QSize(kClientWidth, kClientHeight)));

    CDPlayer->Start();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        PlayerFlow();
}

void frmMain::PlayerFlow()
{
    if (mEnded || mInLogin || !isVisible())
        return;
    mFlowRanSinceShown = true;
    if (mLogin->UserName().isEmpty()) {
        LoginAction();
        return;
    }
    ComposeWiring::ShowFirstCategory(MiddleButtons, ThumbNailScroller, mLogin->UserLevel());
}

void frmMain::LoginAction()
{
    if (mEnded || mInLogin)
        return;
    mInLogin = true;
    hide();
    mLogin->exec();
    show();
    mInLogin = false;
    if (mLogin->QuitClicked()) {
        close();
        return;
    }
    // Showing the window activates it, which runs the flow again.
    PlayerFlowUnlessActivated();
}

void frmMain::PlayerFlowUnlessActivated()
{
    QTimer::singleShot(kActivationWaitMs, this, [this] {
        if (!mFlowRanSinceShown)
            PlayerFlow();
    });
}

void frmMain::showEvent(QShowEvent* event)
{
    mFlowRanSinceShown = false;
    QMainWindow::showEvent(event);
}

void frmMain::TextAction()
{
    mText->TextAction(Canvas);
}

void frmMain::ShowPrinterDialog()
{
    QPrintDialog dialog(&mPrinter, this);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    if (dialog.exec() == QDialog::Accepted)
        Canvas->SetPrinterName(mPrinter.printerName());
}

void frmMain::ShowAbout()
{
    mAbout->exec();
}

void frmMain::ShowTrackCheck(int NewTrack)
{
    for (QAction* item : mnuMusicTrack)
        item->setChecked(false);
    const int index = NewTrack - 2;
    if (index >= 0 && index < int(mnuMusicTrack.size()))
        mnuMusicTrack[index]->setChecked(true);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (mEnded) {
        event->accept();
        return;
    }
    mEnded = true;
    // Every other window goes, the last opened first; the text window last of all.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* window = *it;
        if (window != this && window != mText && window->isVisible())
            window->close();
    }
    mText->close();
    CDPlayer->End();
    event->accept();
    emit ProgramEnded();
}
