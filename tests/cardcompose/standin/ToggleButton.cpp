// Stand-in toggle button: on and off pictures, toggles on a release that followed a press on it.
#include "ToggleButton.h"

#include "CardResources.h"

ToggleButton::ToggleButton(QWidget* parent) : QLabel(parent) {}

void ToggleButton::LoadFromResource(int resId)
{
    const QPixmap on = CardResources::Bitmap(resId + 1);
    const QPixmap off = CardResources::Bitmap(resId + 3);
    if (!on.isNull()) mOn = on;
    if (!off.isNull()) mOff = off;
    if (!mOn.isNull()) resize(mOn.size());
    SetState(mState);
}

void ToggleButton::SetState(bool on)
{
    mState = on;
    setPixmap(on ? mOn : mOff);
}

void ToggleButton::mousePressEvent(QMouseEvent*) { mDown = true; }

void ToggleButton::mouseReleaseEvent(QMouseEvent*)
{
    if (!mDown) return;
    mDown = false;
    SetState(!mState);
    emit Click();
}
