// A picture from the program's resources shown at a spot of a window.
#pragma once

class QLabel;
class QWidget;

namespace PictureLabel {

// A label at (0, 0) of `owner` showing bitmap `resourceId`; empty when the bitmap is missing.
QLabel* Make(QWidget* owner, int resourceId);

} // namespace PictureLabel
