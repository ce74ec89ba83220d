// Stand-in push button: shows its up picture and raises Click on release after a press.
#include "RollButton.h"

#include "CardResources.h"

#include <QMouseEvent>

RollButton::RollButton(QWidget* parent) : QLabel(parent) {}

void RollButton::LoadFromResource(int resId)
{
    const QPixmap up = CardResources::Bitmap(resId + 2);
    if (up.isNull()) return;
    setPixmap(up);
    resize(up.size());
}

void RollButton::mousePressEvent(QMouseEvent*) { mPressed = true; }

void RollButton::mouseReleaseEvent(QMouseEvent*)
{
    if (!mPressed) return;
    mPressed = false;
    emit Click();
}
