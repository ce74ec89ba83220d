// Renders printable ASCII from DejaVu Sans Mono Bold into 8x16 one-bit cells and
// writes them as the C++ table game/display/lrFontGlyphs.cpp (on standard output).
//
//   fontbake > game/display/lrFontGlyphs.cpp      the table
//   fontbake --preview sheet.png                  every glyph, enlarged, to look at
//
// The table is kept in the source tree rather than baked at every build so the
// text pixels never change with the installed font version and the fuzz build,
// which has no cairo, still gets the real font.
#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;
constexpr int kFirstChar = 32;
constexpr int kLastChar = 126;
constexpr double kPixelSize = 13.0;
constexpr double kBaseline = 12.0;

using Glyph = std::vector<uint8_t>; // one byte per row, bit 7 the leftmost pixel

Glyph RenderGlyph(char c)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, kCellWidth, kCellHeight);
    cairo_t* cr = cairo_create(surface);

    // Monochrome rendering with full hinting: the font's own hints place every
    // stem on whole pixels, far crisper than thresholding anti-aliased output.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);

    cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, kPixelSize);

    char text[2] = {c, 0};
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    // Centre the advance in the cell so narrow glyphs do not hug the left edge.
    double x = (kCellWidth - extents.x_advance) / 2.0;
    cairo_move_to(cr, x < 0 ? 0 : static_cast<int>(x), kBaseline);
    cairo_show_text(cr, text);
    cairo_surface_flush(surface);

    Glyph glyph(kCellHeight, 0);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int row = 0; row < kCellHeight; ++row)
        for (int col = 0; col < kCellWidth; ++col)
            if (data[row * stride + col] >= 128)
                glyph[row] |= static_cast<uint8_t>(0x80 >> col);

    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return glyph;
}

void WriteTable(const std::vector<Glyph>& glyphs)
{
    std::printf("// The display's built-in text font: printable ASCII in 8x16 one-bit cells.\n");
    std::printf("// Baked from DejaVu Sans Mono Bold by tools/fontbake; regenerate, do not edit.\n");
    std::printf("#include \"lrFont.h\"\n\n");
    std::printf("const uint8_t lrFontGlyphs[lrFontGlyphCount][lrFontCellHeight] = {\n");
    for (size_t i = 0; i < glyphs.size(); ++i) {
        int c = kFirstChar + static_cast<int>(i);
        std::printf("    {");
        for (int row = 0; row < kCellHeight; ++row)
            std::printf("0x%02X%s", glyphs[i][row], row + 1 < kCellHeight ? ", " : "");
        if (c == '\\')
            std::printf("}, // backslash\n");
        else
            std::printf("}, // '%c'\n", c);
    }
    std::printf("};\n");
}

bool WritePreview(const std::vector<Glyph>& glyphs, const std::string& path)
{
    constexpr int kScale = 4;
    constexpr int kColumns = 16;
    int rows = (static_cast<int>(glyphs.size()) + kColumns - 1) / kColumns;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24,
        kColumns * (kCellWidth + 1) * kScale, rows * (kCellHeight + 1) * kScale);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.15, 0.2, 0.35);
    cairo_paint(cr);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        int cellX = static_cast<int>(i % kColumns) * (kCellWidth + 1) * kScale;
        int cellY = static_cast<int>(i / kColumns) * (kCellHeight + 1) * kScale;
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_rectangle(cr, cellX, cellY, kCellWidth * kScale, kCellHeight * kScale);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 1, 1, 0.6);
        for (int row = 0; row < kCellHeight; ++row)
            for (int col = 0; col < kCellWidth; ++col)
                if (glyphs[i][row] & (0x80 >> col))
                    cairo_rectangle(cr, cellX + col * kScale, cellY + row * kScale, kScale, kScale);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Glyph> glyphs;
    for (int c = kFirstChar; c <= kLastChar; ++c)
        glyphs.push_back(RenderGlyph(static_cast<char>(c)));

    if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) {
        if (!WritePreview(glyphs, argv[2])) {
            std::fprintf(stderr, "fontbake: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: fontbake [--preview sheet.png] > lrFontGlyphs.cpp\n");
        return 1;
    }
    WriteTable(glyphs);
    return 0;
}
