// The desktop's pictures of both programs (Glimmer's head for skyrun, a card and pencil for cardwright) and the screenshot click.
#include "MediaGenerator.h"
#include "SoundCatalog.h"
#include "SoundKit.h"
#include "art/ArtPen.h"
#include "art/GlimmerArt.h"
#include "art/SkyArt.h"
#include "art/VillageArt.h"
#include "audio/Tone.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace mediagen {
namespace {

// The hicolor sizes desktops look for; 256 is drawn too and scaled by none of them.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Glimmer's head and antlers, cut from the three-quarter figure. The
// figure is drawn on a 100-unit square with the head centred; the smallest
// icons show the face alone, larger, so eyes and red nose still read.
void DrawGlimmerHeadIcon(cairo_t* cr, double size)
{
    FigureSpace keep(cr, {0.0, 0.0, size / 100.0, false});
    const Placement figure = size <= 24 ? Placement{50.0, 226.0, 2.0, false} : Placement{50.0, 192.0, 1.42, false};
    DrawGlimmer(cr, figure, {GlimmerPose::Stand, GlimmerView::ThreeQuarter, 0.0, true});
}

// A folded greeting card with a little pine tree and star on it, and a
// yellow pencil lying across its corner. The smallest icons keep only a big
// star on the card and a thicker pencil.
void DrawCardAndPencilIcon(cairo_t* cr, double size)
{
    const bool small = size <= 24;
    FigureSpace keep(cr, {0.0, 0.0, size / 100.0, false});
    {
        FigureSpace card(cr, {46.0, 50.0, 1.0, false});
        cairo_rotate(cr, -0.12);
        // The back half of the card, peeking out behind the front.
        PolygonPath(cr, {{-30, -40}, {34, -36}, {34, 40}, {-30, 40}});
        FillOutlined(cr, pal::kRed[7], pal::kGrey[1], 2.5);
        PolygonPath(cr, {{-34, -42}, {26, -42}, {26, 42}, {-34, 42}});
        FillOutlined(cr, pal::kWhite, pal::kGrey[1], 2.5);
        cairo_rectangle(cr, -29, -37, 50, 74);
        StrokeOnly(cr, pal::kRed[8], small ? 6.0 : 3.0);
        if (small) {
            DrawStar(cr, -4, -8, 18.0);
        } else {
            DrawPineTree(cr, {-4, 30, 0.42, false}, PineLook{});
            DrawStar(cr, -4, -24, 7.0);
        }
    }
    {
        FigureSpace pencil(cr, {66.0, 66.0, small ? 1.35 : 1.0, false});
        cairo_rotate(cr, -0.85);
        // Body, metal band and eraser along +x, the sharpened point along -x.
        cairo_rectangle(cr, -14, -6, 40, 12);
        FillOutlined(cr, pal::kGold[9], pal::kGrey[1], 2.0);
        cairo_rectangle(cr, 26, -6, 6, 12);
        FillOutlined(cr, pal::kGrey[10], pal::kGrey[1], 2.0);
        cairo_rectangle(cr, 32, -6, 7, 12);
        FillOutlined(cr, pal::kRed[12], pal::kGrey[1], 2.0);
        PolygonPath(cr, {{-14, -6}, {-30, 0}, {-14, 6}});
        FillOutlined(cr, pal::kFur[13], pal::kGrey[1], 2.0);
        PolygonPath(cr, {{-24.5, -2.1}, {-30, 0}, {-24.5, 2.1}});
        FillOnly(cr, pal::kGrey[1]);
    }
}

void WriteIcon(const OutputTree& out, const char* program, int size, void (*draw)(cairo_t*, double))
{
    Canvas canvas(size, size);
    draw(canvas.Cr(), size);
    const std::string dimensions = std::to_string(size) + "x" + std::to_string(size);
    const std::string path = out.InstallPath("icons/hicolor/" + dimensions + "/apps/" + program + ".png");
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!canvas.SavePng(path))
        throw std::runtime_error("cannot write " + path);
}

void WriteDesktopIcons(const OutputTree& out)
{
    for (int size : kIconSizes) {
        WriteIcon(out, "skyrun", size, &DrawGlimmerHeadIcon);
        WriteIcon(out, "cardwright", size, &DrawCardAndPencilIcon);
    }
}

// A camera shutter: a sharp click of noise, a short metallic tick, and the
// softer click of the shutter closing again.
AudioBuffer ShutterClick(int rate)
{
    AudioBuffer out = RenderNoise(rate, 0.02, 41, false, Hit(0.0005, 0.012));
    out.MixIn(RenderTone(rate, 0.03, Wave::Square, Glide(2600.0, 1800.0, 0.02), Hit(0.0005, 0.015)), 0.0, 0.25f);
    out.MixIn(RenderNoise(rate, 0.03, 42, true, Hit(0.001, 0.02)), 0.06, 0.7f);
    out.MixIn(RenderTone(rate, 0.03, Wave::Triangle, Constant(1200.0), Hit(0.0005, 0.02)), 0.06, 0.3f);
    return out;
}

void WriteShutterClick(const OutputTree& out)
{
    const SoundRecipe recipe{"waves\\shutter.wav", 22050, 16, false, 0.7f, ShutterClick};
    WriteOrThrow(out.MediaPath(recipe.gameName), RenderSoundFile(recipe));
}

const RegisterGenerator kIcons("desktop", &WriteDesktopIcons);
const RegisterGenerator kClick("desktop", &WriteShutterClick);

} // namespace
} // namespace mediagen
