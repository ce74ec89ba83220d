// Fixed-size windows centred on the screen, as the card program lays them out.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace WindowPlacement {

// Gives the window's picture area `client` pixels and centres its outer frame on the primary screen.
void CentreOnScreen(QWidget* window, QSize client);
// The top-left corner that centres `outer` on a screen of `screen` pixels.
QPoint CentredCorner(QSize screen, QSize outer);

} // namespace WindowPlacement
