// Pango text painting: shadow, then outline stroke, then fill, so outlines never eat the letters.
#include "TextPainter.h"

#include <pango/pangocairo.h>

#include <memory>

namespace mediagen {

namespace {

struct LayoutDeleter {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr MakeLayout(cairo_t* cr, const TextStyle& style, const std::string& text)
{
    LayoutPtr layout(pango_cairo_create_layout(cr));
    // Fixed font options so the same text gives the same pixels on every machine.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout.get());

    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, style.family.c_str());
    pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, style.sizePx * PANGO_SCALE);
    pango_layout_set_font_description(layout.get(), font);
    pango_font_description_free(font);

    if (style.letterSpacingPx != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(int(style.letterSpacingPx * PANGO_SCALE)));
        pango_layout_set_attributes(layout.get(), attrs);
        pango_attr_list_unref(attrs);
    }
    pango_layout_set_alignment(layout.get(), style.align == TextAlign::Centre  ? PANGO_ALIGN_CENTER
                                             : style.align == TextAlign::Right ? PANGO_ALIGN_RIGHT
                                                                               : PANGO_ALIGN_LEFT);
    pango_layout_set_text(layout.get(), text.c_str(), -1);
    return layout;
}

TextBox BoxOf(PangoLayout* layout)
{
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return {logical.width / double(PANGO_SCALE), logical.height / double(PANGO_SCALE),
            pango_layout_get_baseline(layout) / double(PANGO_SCALE)};
}

// The left edge of a box anchored at x as `align` says.
double LeftEdge(TextAlign align, const TextBox& box, double x)
{
    return align == TextAlign::Centre ? x - box.width / 2 : align == TextAlign::Right ? x - box.width : x;
}

void SetRgb(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

} // namespace

TextBox MeasureText(cairo_t* cr, const TextStyle& style, const std::string& text)
{
    return BoxOf(MakeLayout(cr, style, text).get());
}

TextBox TextPath(cairo_t* cr, const TextStyle& style, const std::string& text, double x, double y)
{
    LayoutPtr layout = MakeLayout(cr, style, text);
    const TextBox box = BoxOf(layout.get());
    const double left = LeftEdge(style.align, box, x);
    cairo_move_to(cr, left, y);
    pango_cairo_layout_path(cr, layout.get());
    return box;
}

TextBox DrawText(cairo_t* cr, const TextStyle& style, const std::string& text, double x, double y)
{
    LayoutPtr layout = MakeLayout(cr, style, text);
    const TextBox box = BoxOf(layout.get());
    const double left = LeftEdge(style.align, box, x);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    if (style.shadowDx != 0 || style.shadowDy != 0) {
        cairo_move_to(cr, left + style.shadowDx, y + style.shadowDy);
        pango_cairo_layout_path(cr, layout.get());
        SetRgb(cr, style.shadow);
        if (style.outlineWidth > 0) {
            cairo_set_line_width(cr, style.outlineWidth * 2);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }

    cairo_move_to(cr, left, y);
    pango_cairo_layout_path(cr, layout.get());
    if (style.outlineWidth > 0) {
        SetRgb(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    if (style.fillBottom) {
        // The fade spans the letters' ink, not the line box, so short letters get all of it.
        PangoRectangle ink;
        pango_layout_get_extents(layout.get(), &ink, nullptr);
        const double inkTop = y + ink.y / double(PANGO_SCALE);
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0, inkTop, 0, inkTop + ink.height / double(PANGO_SCALE));
        const Rgb a = style.fill, b = *style.fillBottom;
        cairo_pattern_add_color_stop_rgb(gradient, 0.1, a.r / 255.0, a.g / 255.0, a.b / 255.0);
        cairo_pattern_add_color_stop_rgb(gradient, 0.9, b.r / 255.0, b.g / 255.0, b.b / 255.0);
        cairo_set_source(cr, gradient);
        cairo_fill(cr);
        cairo_pattern_destroy(gradient);
    } else {
        SetRgb(cr, style.fill);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    return box;
}

} // namespace mediagen
