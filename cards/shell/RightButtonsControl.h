// The main window's right panel: the music toggle, text and print buttons over the panel's art.
#pragma once

#include <QWidget>

class RollButton;
class ToggleButton;

class RightButtonsControl : public QWidget {
    Q_OBJECT

public:
    explicit RightButtonsControl(QWidget* parent = nullptr);

    // The music button's state; setting it raises no event.
    bool MusicOn() const;
    void SetMusicOn(bool on);

    ToggleButton* btnMusic = nullptr;
    RollButton* btnText = nullptr;
    RollButton* btnPrint = nullptr;

signals:
    void MusicOnOff();
    void Text();
    void PrintCanvas();
};
