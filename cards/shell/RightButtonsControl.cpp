// Right panel layout: each button's resource base and place, and the event its click raises.
#include "RightButtonsControl.h"

#include "PictureLabel.h"
#include "RollButton.h"
#include "ShellPictures.h"
#include "ToggleButton.h"

RightButtonsControl::RightButtonsControl(QWidget* parent) : QWidget(parent)
{
    PictureLabel::Make(this, ShellPictures::kRightPanel);
    btnMusic = new ToggleButton(this);
    btnMusic->SetTag(1100);
    btnMusic->LoadFromResource(1100);
    btnMusic->move(10, 137);
    btnText = RollButton::Place(this, 1110, {8, 231});
    btnPrint = RollButton::Place(this, 1120, {8, 318});
    btnMusic->setToolTip(QStringLiteral("Music on or off"));
    btnText->setToolTip(QStringLiteral("Write a text"));
    btnPrint->setToolTip(QStringLiteral("Print the picture"));
    connect(btnMusic, &ToggleButton::Click, this, &RightButtonsControl::MusicOnOff);
    connect(btnText, &RollButton::Click, this, &RightButtonsControl::Text);
    connect(btnPrint, &RollButton::Click, this, &RightButtonsControl::PrintCanvas);
}

bool RightButtonsControl::MusicOn() const
{
    return btnMusic->State();
}

void RightButtonsControl::SetMusicOn(bool on)
{
    btnMusic->SetState(on);
}
