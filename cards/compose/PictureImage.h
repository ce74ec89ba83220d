// The image element both picture buttons stack: a picture at the control's origin that lets the mouse through.
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace PictureImage {

QLabel* Make(QWidget* owner);
// Gives the element a picture and its size; a null picture is not taken.
void Set(QLabel* image, const QPixmap& picture);
QPixmap Get(const QLabel* image);
// Of the elements given, the one highest in its owner's stack.
const QLabel* Topmost(const QWidget* owner, std::initializer_list<const QLabel*> images);

// Mouse button and modifier keys as 1-2-4 bit sets (left, right, middle; Shift, Ctrl, Alt).
short ButtonCode(const QMouseEvent* event);
short ShiftCode(const QMouseEvent* event);

} // namespace PictureImage
