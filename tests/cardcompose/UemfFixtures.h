// Metafiles written by an independent library (libUEMF) for the player's tests.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

namespace UemfFixtures {

// An EMF with frame (0.01 mm) 0,0 .. frameW,frameH on a 96-dpi device; an anisotropic window of
// windowW x windowH logical units over the frame. It fills the whole window with `paper`, then
// draws a rectangle `box`, an ellipse `oval` (logical units) and a triangle path, in `ink`.
bool WriteEmf(const QString& path, int frameW, int frameH, int windowW, int windowH, QColor paper, QColor ink,
              QRect box, QRect oval);
// A placeable WMF: box 0,0 .. w,h logical units at `unitsPerInch`; the window is the box. It fills
// the window with `paper` and draws the rectangle `box` and a polygon through `triangle` in `ink`.
bool WriteWmf(const QString& path, int w, int h, int unitsPerInch, QColor paper, QColor ink, QRect box);

} // namespace UemfFixtures
