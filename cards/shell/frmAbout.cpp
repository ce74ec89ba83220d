// The about picture, 512 x 384, centred, modal over its owner.
#include "frmAbout.h"

#include "PictureLabel.h"
#include "ShellPictures.h"
#include "WindowPlacement.h"

frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("About Cardwright"));
    PictureLabel::Make(this, ShellPictures::kAbout);
    WindowPlacement::CentreOnScreen(this, QSize(kWidth, kHeight));
}

void frmAbout::mousePressEvent(QMouseEvent*)
{
    hide();
}
