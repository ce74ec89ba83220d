// A borderless 512 x 384 picture window centred on the screen.
#include "frmSplash.h"

#include "PictureLabel.h"
#include "ShellPictures.h"
#include "WindowPlacement.h"

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Santa's Cardwright"));
    PictureLabel::Make(this, ShellPictures::kSplash);
    WindowPlacement::CentreOnScreen(this, QSize(kWidth, kHeight));
}
