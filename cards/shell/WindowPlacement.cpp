// Centring windows on the primary screen.
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

QPoint CentredCorner(QSize screen, QSize outer)
{
    return QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

void CentreOnScreen(QWidget* window, QSize client)
{
    window->setFixedSize(client);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.topLeft() + CentredCorner(area.size(), client));
}

} // namespace WindowPlacement
