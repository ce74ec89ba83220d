// The login window: who is playing, from the game's player list; also quits, or starts the game instead.
#pragma once

#include "PlayerTable.h"

#include <QDialog>
#include <QString>

#include <cstdint>

class Launcher;
class QComboBox;
class RollButton;

class frmLogin : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 430;
    static constexpr int kHeight = 272;

    frmLogin(Launcher& launcher, QWidget* owner = nullptr);

    // Reads the players from highscore.txt in the install folder, loads the
    // button pictures and lays the window out. Done once per run.
    void Load();

    bool QuitClicked() const { return mQuitClicked; }
    QString UserName() const { return mUserName; }
    // Level of the first row named exactly UserName; 0 when there is none.
    int32_t UserLevel() const;
    const PlayerTable& Players() const { return mPlayers; }

    QComboBox* Names = nullptr;
    RollButton* btnLoad = nullptr;
    RollButton* btnReturn = nullptr;
    RollButton* btnQuit = nullptr;
    RollButton* btnGlimmer = nullptr;

signals:
    // A new player was taken: the picture in progress is cleared.
    void ClearCanvas();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ReadPlayers();
    void ShowReturnWhenPlaying();
    void LoadClicked();
    void ReturnClicked();
    void QuitButtonClicked();
    void GlimmerClicked();

    Launcher& mLauncher;
    PlayerTable mPlayers;
    bool mQuitClicked = false;
    QString mUserName;
};
