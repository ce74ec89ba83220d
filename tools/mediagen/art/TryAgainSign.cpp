// The bouncing "Try again!" of the losing scenes: gold letters, red outline, a snowy shadow.
#include "TryAgainSign.h"

#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/TextPainter.h"

namespace mediagen {

void DrawTryAgain(cairo_t* cr, int frame)
{
    // It grows out of nothing, overshoots and settles.
    const double scales[kTryAgainFrames] = {0.2, 0.45, 0.72, 0.98, 1.16, 1.06, 0.96, 1.02, 1.0};
    TextStyle style;
    style.sizePx = 36;
    style.fill = GameColour(pal::kGold[13]);
    style.fillBottom = GameColour(pal::kOrange[3]);
    style.outline = GameColour(pal::kRed[2]);
    style.outlineWidth = 3;
    style.shadow = GameColour(pal::kBlack);
    style.shadowDx = 2;
    style.shadowDy = 3;
    style.align = TextAlign::Centre;
    const TextBox box = MeasureText(cr, style, "Try again!");
    const double scale = scales[frame < 0 ? 0 : frame >= kTryAgainFrames ? kTryAgainFrames - 1 : frame];
    cairo_save(cr);
    cairo_translate(cr, 320, 136 + box.height / 2);
    cairo_scale(cr, scale, scale);
    DrawText(cr, style, "Try again!", 0, -box.height / 2);
    cairo_restore(cr);
}

} // namespace mediagen
