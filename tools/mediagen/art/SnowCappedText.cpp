// Snow caps: the letters clipped against a copy of themselves moved down by a wavy amount.
#include "art/SnowCappedText.h"

#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

void DrawSnowCappedText(cairo_t* cr, const TextStyle& style, const std::string& text, double x, double y,
                        const SnowCap& cap)
{
    DrawText(cr, style, text, x, y);
    cairo_save(cr);
    cairo_new_path(cr);
    TextPath(cr, style, text, x, y);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_new_path(cr);
    TextPath(cr, style, text, x, y);
    cairo_path_t* path = cairo_copy_path_flat(cr);
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        for (int k = 1; k < path->data[i].header.length; ++k) {
            cairo_path_data_t& point = path->data[i + k];
            point.point.y += cap.depth * (1 + cap.ripple * std::sin(point.point.x / cap.wavelength));
        }
    }
    // Even-odd against a rectangle far larger than any screen: inside the letters, what is
    // left is where the moved copy does not reach.
    cairo_new_path(cr);
    cairo_rectangle(cr, -10000, -10000, 20000, 20000);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
    cairo_clip(cr);
    SetInk(cr, pal::kSnow[15]);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace mediagen
