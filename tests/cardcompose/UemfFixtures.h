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
// An EMF of 192 x 96 pixels (2 x 1 inch, MM_TEXT) on white: a red quarter pie (top right of
// the circle box 0,0..20,20) under a world transform of scale 2 and offset 10,10, restored after;
// a green rounded rectangle 60,10..110,60 with 20 x 20 corners; blue text "Hi" at 120,40
// (baseline), 30 units high.
bool WriteTransformedEmf(const QString& path);
// An EMF of 64 x 64 pixels on white with one STRETCHDIBITS record: a 2 x 2 bitmap (top row red,
// green; bottom row blue, yellow) stretched onto 10,10 .. 50,50.
bool WriteBitmapEmf(const QString& path);
// A placeable WMF: box 0,0 .. w,h logical units at `unitsPerInch`; the window is the box. It fills
// the window with `paper` and draws the rectangle `box` and a polygon through `triangle` in `ink`.
bool WriteWmf(const QString& path, int w, int h, int unitsPerInch, QColor paper, QColor ink, QRect box);

// A placeable WMF of 100 x 100 units at 100 to the inch whose viewport is the right half of the
// box (origin 50,0, extent 50,100): its window 0,0 .. 100,100 is filled with `ink`.
bool WriteViewportWmf(const QString& path, QColor ink);

} // namespace UemfFixtures
