// Toggle button behaviour: a press and release on the button flips it; setting the state never clicks.
#include "ToggleButton.h"

#include "CardResources.h"
#include "PictureImage.h"

#include <QLabel>
#include <QMouseEvent>

ToggleButton::ToggleButton(QWidget* parent) : QWidget(parent)
{
    mOn = PictureImage::Make(this);
    mOff = PictureImage::Make(this);
    mOff->raise();
}

QPixmap ToggleButton::OnPicture() const { return PictureImage::Get(mOn); }
QPixmap ToggleButton::OffPicture() const { return PictureImage::Get(mOff); }
void ToggleButton::SetOnPicture(const QPixmap& picture) { PictureImage::Set(mOn, picture); }
void ToggleButton::SetOffPicture(const QPixmap& picture) { PictureImage::Set(mOff, picture); }

void ToggleButton::SetOnPictureFile(const QString& fileName)
{
    const QPixmap picture(fileName);
    if (picture.isNull())
        return;
    SetOnPicture(picture);
    resize(picture.size());
}

void ToggleButton::SetOffPictureFile(const QString& fileName) { SetOffPicture(QPixmap(fileName)); }

void ToggleButton::LoadFromResource(int resId)
{
    SetOnPicture(CardResources::Bitmap(resId + 1));
    SetOffPicture(CardResources::Bitmap(resId + 3));
    if (!OnPicture().isNull())
        resize(OnPicture().size());
}

void ToggleButton::SetState(bool state)
{
    (state ? mOn : mOff)->raise();
    mState = state;
}

bool ToggleButton::ShowingOn() const
{
    return PictureImage::Topmost(this, {mOn, mOff}) == mOn;
}

void ToggleButton::mousePressEvent(QMouseEvent*)
{
    mDown = true;
}

void ToggleButton::mouseReleaseEvent(QMouseEvent*)
{
    // Only a press that began here toggles: one that began on another
    // control and ends here is that control's release.
    if (!mDown)
        return;
    (mState ? mOff : mOn)->raise();
    mState = !mState;
    mDown = false;
    emit Click();
}
