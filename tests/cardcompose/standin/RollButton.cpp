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

void RollButton::mousePressEvent(QMouseEvent* event)
{
    mPressed = true;
    emit MouseDown(short(event->button()), short(0), float(event->position().x()), float(event->position().y()));
}

void RollButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (mPressed) {
        mPressed = false;
        emit Click();
    }
    emit MouseUp(short(event->button()), short(0), float(event->position().x()), float(event->position().y()));
}
