// cardwright's clip art: the 51 catalogue pictures as metafiles (a few bitmaps), their thumbnails and strings.
#include "MediaGenerator.h"
#include "art/ClipArtCatalogue.h"
#include "paint/Canvas.h"
#include "paint/PictureFile.h"
#include "paint/VectorRecorder.h"

#include <algorithm>
#include <string>

namespace mediagen {
namespace {

// The thumbnail cell: the picture reduced to fit, centred on a pale snow card.
constexpr int kThumbWidth = 51;
constexpr int kThumbHeight = 41;

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

// Drawn four times larger and filtered down, so the figures' outlines stay as fine as in the
// full-size picture instead of swamping a 51-pixel cell.
constexpr int kThumbOversample = 4;

std::vector<uint8_t> Thumbnail(const ClipArtItem& item)
{
    const int bigW = kThumbWidth * kThumbOversample, bigH = kThumbHeight * kThumbOversample;
    Canvas big(bigW, bigH);
    big.Fill({238, 244, 252});
    cairo_t* bc = big.Cr();
    const double k = std::min((bigW - 8.0) / item.width, (bigH - 8.0) / item.height);
    cairo_save(bc);
    cairo_translate(bc, (bigW - item.width * k) / 2, (bigH - item.height * k) / 2);
    cairo_scale(bc, k, k);
    item.draw(bc, item.width, item.height);
    cairo_restore(bc);

    Canvas canvas(kThumbWidth, kThumbHeight);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_scale(cr, 1.0 / kThumbOversample, 1.0 / kThumbOversample);
    cairo_set_source_surface(cr, big.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.55, 0.62, 0.75);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, kThumbWidth - 1, kThumbHeight - 1);
    cairo_stroke(cr);
    return EncodeCanvasBmp(canvas, FitPalette(canvas));
}

std::vector<uint8_t> FullPicture(const ClipArtItem& item)
{
    if (item.format == ClipFormat::Dib) {
        Canvas canvas(item.width, item.height);
        canvas.Fill({255, 255, 255});
        item.draw(canvas.Cr(), item.width, item.height);
        return EncodeCanvasBmp(canvas, FitPalette(canvas));
    }
    VectorRecorder recorder(item.width, item.height);
    item.draw(recorder.Cr(), item.width, item.height);
    const VectorPicture picture = recorder.Finish();
    return item.format == ClipFormat::Wmf ? EncodeWmf(picture) : EncodeEmf(picture);
}

void WriteClipArt(const OutputTree& out)
{
    std::string strings;
    for (const ClipArtItem& item : ClipArtCatalogue()) {
        const char* extension = item.format == ClipFormat::Emf ? ".emf" : item.format == ClipFormat::Wmf ? ".wmf" : ".dib";
        WriteOrThrow(out.InstallPath("images/" + std::string(item.number) + extension), FullPicture(item));
        WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(item.resource) + ".bmp"), Thumbnail(item));
        strings += std::to_string(item.resource) + "\t" + item.number + "\n";
        strings += std::to_string(item.resource + 10000) + "\t" + item.caption + "\n";
    }
    WriteOrThrow(out.CardResourcePath("strings/catalogue.txt"), Bytes(strings));
}

const RegisterGenerator kRegistration("clipart", &WriteClipArt);

} // namespace
} // namespace mediagen
