// Twips per pixel come from the screen the surface is on, so HiDPI and 96-dpi screens agree.
#include "CanvasSurface.h"

#include <QMouseEvent>
#include <QPainter>

CanvasSurface::CanvasSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double CanvasSurface::TwipsPerPixelX() const { return 1440.0 / logicalDpiX(); }
double CanvasSurface::TwipsPerPixelY() const { return 1440.0 / logicalDpiY(); }

void CanvasSurface::Clear(const QColor& colour)
{
    const qreal ratio = devicePixelRatioF();
    if (mBuffer.size() != size() * ratio) {
        mBuffer = QPixmap(size() * ratio);
        mBuffer.setDevicePixelRatio(ratio);
    }
    mBuffer.fill(colour);
}

void CanvasSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (mBuffer.isNull()) painter.fillRect(rect(), Qt::white);
    else painter.drawPixmap(0, 0, mBuffer);
}

void CanvasSurface::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(float(event->position().x() * TwipsPerPixelX()), float(event->position().y() * TwipsPerPixelY()));
}

void CanvasSurface::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(float(event->position().x() * TwipsPerPixelX()), float(event->position().y() * TwipsPerPixelY()));
}

void CanvasSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(float(event->position().x() * TwipsPerPixelX()), float(event->position().y() * TwipsPerPixelY()));
}
