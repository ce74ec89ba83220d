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

std::vector<uint8_t> Thumbnail(const ClipArtItem& item)
{
    Canvas canvas(kThumbWidth, kThumbHeight);
    canvas.Fill({238, 244, 252});
    cairo_t* cr = canvas.Cr();
    const double k = std::min((kThumbWidth - 2.0) / item.width, (kThumbHeight - 2.0) / item.height);
    cairo_save(cr);
    cairo_translate(cr, (kThumbWidth - item.width * k) / 2, (kThumbHeight - item.height * k) / 2);
    cairo_scale(cr, k, k);
    item.draw(cr, item.width, item.height);
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
