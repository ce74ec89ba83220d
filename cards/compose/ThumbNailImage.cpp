// The pointer over a thumbnail names it; a click on it picks it.
#include "ThumbNailImage.h"

#include <QMouseEvent>

ThumbNailImage::ThumbNailImage(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ThumbNailImage::mouseMoveEvent(QMouseEvent*) { emit Hovered(); }

void ThumbNailImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint())) emit Clicked();
}
