// A transparent, plain-text label; a single-line border marks it as the selection.
#include "CanvasLabel.h"

#include <QMouseEvent>

CanvasLabel::CanvasLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("QLabel { color: black; background: transparent; }"));
}

void CanvasLabel::SetCaption(const QString& caption)
{
    mCaption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(shown);
}

void CanvasLabel::SetBorderStyle(int style)
{
    mBorderStyle = style;
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

QPointF CanvasLabel::Twips(const QPointF& pixels) const
{
    return QPointF(pixels.x() * 1440.0 / logicalDpiX(), pixels.y() * 1440.0 / logicalDpiY());
}

void CanvasLabel::mousePressEvent(QMouseEvent* event)
{
    const QPointF t = Twips(event->position());
    emit MouseDown(float(t.x()), float(t.y()));
}

void CanvasLabel::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF t = Twips(event->position());
    emit MouseMove(float(t.x()), float(t.y()));
}

void CanvasLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF t = Twips(event->position());
    emit MouseUp(float(t.x()), float(t.y()));
}
