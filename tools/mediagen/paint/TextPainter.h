// Text in DejaVu fonts through pango, with an outline and a drop shadow, for titles and captions.
#pragma once

#include "MediaImage.h"

#include <cairo.h>

#include <optional>
#include <string>

namespace mediagen {

enum class TextAlign { Left, Centre, Right };

struct TextStyle {
    std::string family = "DejaVu Sans";
    bool bold = true;
    double sizePx = 24;            // em size in pixels
    Rgb fill{255, 255, 255};
    std::optional<Rgb> fillBottom; // when set, the fill fades from `fill` at the top to this
    Rgb outline{0, 0, 0};
    double outlineWidth = 0;       // in pixels, drawn outside the letters
    Rgb shadow{0, 0, 0};
    double shadowDx = 0;           // the shadow is drawn only when an offset is set
    double shadowDy = 0;
    TextAlign align = TextAlign::Left;
    double letterSpacingPx = 0;
};

struct TextBox {
    double width = 0;
    double height = 0;   // the line's logical height
    double baseline = 0; // from the top of the box
};

// Logical size of `text` (one or more lines) without outline or shadow.
TextBox MeasureText(cairo_t* cr, const TextStyle& style, const std::string& text);

// Appends the letters' outlines to the current path, placed as DrawText places them
// (for clipping, snow caps and other effects). Returns the box.
TextBox TextPath(cairo_t* cr, const TextStyle& style, const std::string& text, double x, double y);

// Draws `text` with the top of its box at y; x is the left edge, the centre or the right
// edge according to style.align. Returns the box drawn.
TextBox DrawText(cairo_t* cr, const TextStyle& style, const std::string& text, double x, double y);

} // namespace mediagen
