// Login: the player list, the choice of a player, and the hand-over to the game through the launcher.
#include "frmLogin.h"

#include "InstallDirSetting.h"
#include "Launcher.h"
#include "PictureLabel.h"
#include "RollButton.h"
#include "ShellPictures.h"
#include "WindowPlacement.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>

#include <sstream>

namespace {

RollButton* MakeButton(QWidget* window, int resourceBase, const QString& tip)
{
    auto* button = new RollButton(window);
    button->SetTag(resourceBase);
    button->setToolTip(tip);
    return button;
}

// Starts the game in `folder` through the launcher there; false when it could not.
bool StartGameFrom(Launcher& launcher, const QString& folder)
{
    if (folder.isEmpty() || !QDir::setCurrent(folder))
        return false;
    return launcher.Start("spawn skyrun") == LaunchResult::Started;
}

} // namespace

frmLogin::frmLogin(Launcher& launcher, QWidget* owner) : QDialog(owner), mLauncher(launcher)
{
    setWindowTitle(QStringLiteral("Who is playing?"));
    PictureLabel::Make(this, ShellPictures::kLogin);
    Names = new QComboBox(this);
    // Typed names are allowed (they play at level 0) but never join the list.
    Names->setEditable(true);
    Names->setInsertPolicy(QComboBox::NoInsert);
    btnLoad = MakeButton(this, 1430, QStringLiteral("Play as this player"));
    btnReturn = MakeButton(this, 1420, QStringLiteral("Back to the picture"));
    btnQuit = MakeButton(this, 1400, QStringLiteral("Quit"));
    btnGlimmer = MakeButton(this, 1410, QStringLiteral("Play the game"));
    connect(btnLoad, &RollButton::Click, this, &frmLogin::LoadClicked);
    connect(btnReturn, &RollButton::Click, this, &frmLogin::ReturnClicked);
    connect(btnQuit, &RollButton::Click, this, &frmLogin::QuitButtonClicked);
    connect(btnGlimmer, &RollButton::Click, this, &frmLogin::GlimmerClicked);
    connect(Names->lineEdit(), &QLineEdit::returnPressed, this, &frmLogin::LoadClicked);
}

void frmLogin::Load()
{
    mQuitClicked = false;
    ReadPlayers();
    for (RollButton* button : {btnLoad, btnReturn, btnQuit, btnGlimmer})
        button->LoadFromResource(button->Tag().toInt());
    if (Names->count() > 0)
        Names->setCurrentIndex(0);

    WindowPlacement::CentreOnScreen(this, QSize(kWidth, kHeight));
    Names->move(107, 95);
    Names->resize(177, Names->sizeHint().height());
    btnLoad->move(298, 77);
    btnQuit->move(63, 177);
    btnGlimmer->move(154, 175);
    btnReturn->move(321, 178);
}

void frmLogin::ReadPlayers()
{
    mPlayers.Clear();
    Names->clear();
    // A missing or unreadable list leaves no players: Quit and the game still work.
    QFile file(InstallDirSetting::HighScoreFile());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(PlayerTable::kMaxBytes);
    std::istringstream in(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    mPlayers.ReadFrom(in);
    for (const PlayerEntry& row : mPlayers.Rows())
        Names->addItem(QString::fromStdString(row.name));
}

int32_t frmLogin::UserLevel() const
{
    for (const PlayerEntry& row : mPlayers.Rows()) {
        if (QString::fromStdString(row.name) == mUserName)
            return row.level;
    }
    return 0;
}

void frmLogin::showEvent(QShowEvent* event)
{
    ShowReturnWhenPlaying();
    QDialog::showEvent(event);
}

void frmLogin::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowReturnWhenPlaying();
    QDialog::changeEvent(event);
}

void frmLogin::ShowReturnWhenPlaying()
{
    btnReturn->setVisible(!mUserName.isEmpty());
}

void frmLogin::LoadClicked()
{
    const QString chosen = Names->currentText();
    if (!chosen.isEmpty()) {
        mUserName = chosen;
        emit ClearCanvas();
    } else {
        for (const PlayerEntry& row : mPlayers.Rows()) {
            if (row.name == "Glimmer") {
                mUserName = QStringLiteral("Glimmer");
                break;
            }
        }
    }
    hide();
}

void frmLogin::ReturnClicked()
{
    hide();
}

void frmLogin::QuitButtonClicked()
{
    mQuitClicked = true;
    hide();
}

void frmLogin::GlimmerClicked()
{
    // The launcher waits for this program to end, then starts the game; if the
    // install folder has none, the program's own folder is tried.
    if (!StartGameFrom(mLauncher, InstallDirSetting::WithoutDefault()))
        StartGameFrom(mLauncher, InstallDirSetting::ProgramFolder());
    mQuitClicked = true;
    hide();
}
