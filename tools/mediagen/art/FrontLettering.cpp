// Lays out each character with pango, then colours its fill, outline and shadow masks by palette index.
#include "art/FrontLettering.h"

#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/Quantizer.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace mediagen {

namespace {

// Coverage masks of one character, drawn with its pen origin at (kMargin, kMargin).
struct LetterMasks {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> fill;
    std::vector<uint8_t> outline;
    double advance = 0.0;  // pixels
    double baseline = 0.0; // pixels below the pen origin
    int inkLeft = 0, inkTop = 0, inkRight = -1, inkBottom = -1; // outline pixels at half coverage or more

    uint8_t Outline(int x, int y) const { return Inside(x, y) ? outline[size_t(y) * width + x] : 0; }
    uint8_t Fill(int x, int y) const { return Inside(x, y) ? fill[size_t(y) * width + x] : 0; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool HasInk() const { return inkRight >= inkLeft; }
};

constexpr int kMargin = 16;

struct CairoDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    void operator()(PangoLayout* l) const { g_object_unref(l); }
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
    void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};
template <typename T> using Owned = std::unique_ptr<T, CairoDeleter>;

std::vector<uint8_t> ReadMask(cairo_surface_t* surface, int width, int height)
{
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<uint8_t> mask(size_t(width) * height);
    for (int y = 0; y < height; ++y) std::copy_n(data + size_t(y) * stride, width, mask.begin() + size_t(y) * width);
    return mask;
}

// Unhinted outlines and fractional advances, so a face looks the same wherever it is generated.
Owned<PangoLayout> MakeLayout(cairo_t* cr, const std::string& text, const LetterShape& shape)
{
    Owned<PangoLayout> layout(pango_cairo_create_layout(cr));
    Owned<cairo_font_options_t> options(cairo_font_options_create());
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options.get());
    pango_layout_context_changed(layout.get());
    Owned<PangoFontDescription> font(pango_font_description_from_string(shape.family));
    pango_font_description_set_absolute_size(font.get(), shape.pixelSize * PANGO_SCALE);
    pango_layout_set_font_description(layout.get(), font.get());
    pango_layout_set_text(layout.get(), text.c_str(), int(text.size()));
    return layout;
}

LetterMasks DrawMasks(char character, const LetterShape& shape)
{
    LetterMasks m;
    m.width = int(std::ceil(shape.pixelSize * 2.5)) + 2 * kMargin;
    m.height = int(std::ceil(shape.pixelSize * 2.0)) + 2 * kMargin;
    const std::string text(1, character);

    Owned<cairo_surface_t> fillSurface(cairo_image_surface_create(CAIRO_FORMAT_A8, m.width, m.height));
    Owned<cairo_surface_t> outlineSurface(cairo_image_surface_create(CAIRO_FORMAT_A8, m.width, m.height));
    Owned<cairo_t> fillCr(cairo_create(fillSurface.get()));
    Owned<cairo_t> outlineCr(cairo_create(outlineSurface.get()));

    Owned<PangoLayout> layout = MakeLayout(fillCr.get(), text, shape);
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    m.advance = double(logical.width) / PANGO_SCALE;
    m.baseline = double(pango_layout_get_baseline(layout.get())) / PANGO_SCALE;
    if (m.advance + 2 * kMargin > m.width) throw std::runtime_error("DrawLetters: a glyph wider than its canvas");

    cairo_move_to(fillCr.get(), kMargin, kMargin);
    pango_cairo_layout_path(fillCr.get(), layout.get());
    cairo_fill(fillCr.get());

    cairo_move_to(outlineCr.get(), kMargin, kMargin);
    pango_cairo_layout_path(outlineCr.get(), layout.get());
    cairo_set_line_width(outlineCr.get(), 2.0 * shape.outline);
    cairo_set_line_join(outlineCr.get(), CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(outlineCr.get(), CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(outlineCr.get());
    cairo_fill(outlineCr.get());

    m.fill = ReadMask(fillSurface.get(), m.width, m.height);
    m.outline = ReadMask(outlineSurface.get(), m.width, m.height);

    m.inkLeft = m.width;
    m.inkTop = m.height;
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            if (m.Outline(x, y) < 128) continue;
            if (x == 0 || y == 0 || x == m.width - 1 || y == m.height - 1)
                throw std::runtime_error("DrawLetters: a glyph reaches the edge of its canvas");
            m.inkLeft = std::min(m.inkLeft, x);
            m.inkRight = std::max(m.inkRight, x);
            m.inkTop = std::min(m.inkTop, y);
            m.inkBottom = std::max(m.inkBottom, y);
        }
    }
    return m;
}

Rgb Mix(int indexA, int indexB, double t) { return MixRgb(GameColour(indexA), GameColour(indexB), t); }

} // namespace

std::vector<IndexedImage> DrawLetters(const std::string& characters, const LetterShape& shape,
                                      const LetterColours& colours)
{
    if (colours.fill.empty()) throw std::invalid_argument("DrawLetters: no fill colours");
    std::vector<LetterMasks> masks;
    for (char c : characters) masks.push_back(DrawMasks(c, shape));

    // One band of rows for the whole face, so every letter of a text shares its baseline.
    int top = kMargin;
    int bottom = kMargin + 1;
    for (const LetterMasks& m : masks) {
        bottom = std::max(bottom, int(std::ceil(kMargin + m.baseline)));
        if (!m.HasInk()) continue;
        top = std::min(top, m.inkTop);
        bottom = std::max(bottom, m.inkBottom + shape.shadowY + 1);
    }

    // Digits share one width so that counters and score columns do not jiggle as they change.
    int digitWidth = 0;
    for (size_t i = 0; i < masks.size(); ++i) {
        if (characters[i] >= '0' && characters[i] <= '9' && masks[i].HasInk())
            digitWidth = std::max(digitWidth, masks[i].inkRight + shape.shadowX + 1 - masks[i].inkLeft);
    }

    Quantizer quantizer(GamePalette());
    std::vector<IndexedImage> frames;
    for (size_t i = 0; i < masks.size(); ++i) {
        const LetterMasks& m = masks[i];
        // A blank is as wide as the outlines make every other letter, or words run together.
        int left = kMargin;
        int right = kMargin + int(std::lround(m.advance + 2.0 * shape.outline)) + shape.shadowX;
        if (m.HasInk()) {
            // The frame hugs the ink: outlines and shadows already part the letters, and
            // the font's own side bearings on top of them let the words fall apart.
            left = m.inkLeft;
            right = m.inkRight + shape.shadowX + 1;
            if (characters[i] >= '0' && characters[i] <= '9') {
                left -= (digitWidth - (right - left)) / 2;
                right = left + digitWidth;
            }
        }
        IndexedImage frame{right - left, bottom - top, {}};
        frame.pixels.assign(size_t(frame.width) * frame.height, uint8_t(pal::kTransparent));

        const double capTop = kMargin + m.baseline - shape.pixelSize * 0.73;
        const double baseline = kMargin + m.baseline;
        for (int y = 0; y < frame.height; ++y) {
            const int my = y + top;
            const double t = std::clamp((my + 0.5 - capTop) / (baseline - capTop), 0.0, 1.0);
            const int fillIndex = colours.fill[size_t(std::lround(t * double(colours.fill.size() - 1)))];
            for (int x = 0; x < frame.width; ++x) {
                const int mx = x + left;
                uint8_t& out = frame.pixels[size_t(y) * frame.width + x];
                if (m.Outline(mx, my) >= 128) {
                    // Smooth where fill meets outline, hard at the silhouette: the frame is
                    // drawn over backgrounds it cannot blend with.
                    const double f = m.Fill(mx, my) / 255.0;
                    if (f >= 0.8) out = uint8_t(fillIndex);
                    else if (f <= 0.2) out = uint8_t(colours.outline);
                    else out = quantizer.Nearest(Mix(colours.outline, fillIndex, f));
                } else if ((shape.shadowX || shape.shadowY) && m.Outline(mx - shape.shadowX, my - shape.shadowY) >= 128) {
                    out = uint8_t(colours.shadow);
                }
            }
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

} // namespace mediagen
