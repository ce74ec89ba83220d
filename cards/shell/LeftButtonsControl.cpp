// Left panel layout: each button's resource base and place, and the event its click raises.
#include "LeftButtonsControl.h"

#include "PictureLabel.h"
#include "RollButton.h"
#include "ShellPictures.h"

LeftButtonsControl::LeftButtonsControl(QWidget* parent) : QWidget(parent)
{
    PictureLabel::Make(this, ShellPictures::kLeftPanel);
    btnMain = RollButton::Place(this, 1000, {26, 136});
    btnClearAll = RollButton::Place(this, 1010, {33, 233});
    btnRemove = RollButton::Place(this, 1020, {29, 319});
    btnMain->setToolTip(QStringLiteral("Change player"));
    btnClearAll->setToolTip(QStringLiteral("Clear the picture"));
    btnRemove->setToolTip(QStringLiteral("Remove the selected piece"));
    connect(btnMain, &RollButton::Click, this, &LeftButtonsControl::Login);
    connect(btnClearAll, &RollButton::Click, this, &LeftButtonsControl::ClearAll);
    connect(btnRemove, &RollButton::Click, this, &LeftButtonsControl::Remove);
}
