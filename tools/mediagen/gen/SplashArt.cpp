// Group "splash": the title picture and the studio logo, each carrying its own palette.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/SnowCappedText.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/TextPainter.h"

#include <cmath>

namespace mediagen {

namespace {

void DrawVillage(cairo_t* cr)
{
    struct Spot {
        double x, y, scale;
        int wall, shade, roof;
        bool tree;
    };
    const Spot spots[] = {
        {60, 395, 0.5, pal::kBrick[4], pal::kBrick[2], pal::kStone[2], false},
        {150, 385, 0.42, pal::kBlue[5], pal::kBlue[3], pal::kRed[4], true},
        {245, 398, 0.55, pal::kGold[8], pal::kGold[5], pal::kGreen[3], false},
        {345, 388, 0.45, pal::kGreen[9], pal::kGreen[6], pal::kBrick[2], true},
        {430, 400, 0.52, pal::kBrick[5], pal::kBrick[3], pal::kPurple[2], false},
        {530, 390, 0.44, pal::kPink[5], pal::kPink[3], pal::kStone[2], true},
        {605, 402, 0.5, pal::kStone[5], pal::kStone[3], pal::kRed[4], false},
    };
    for (const Spot& s : spots) {
        if (s.tree) DrawPineTree(cr, {s.x - 45 * s.scale, s.y + 4, s.scale, false}, {90, true, false});
        HouseLook look;
        look.wall = s.wall;
        look.wallShade = s.shade;
        look.roof = s.roof;
        look.smoke = int(s.x) % 2 == 0;
        look.chimneyAt = s.tree ? 0.7 : 0.3;
        DrawHouse(cr, {s.x, s.y, s.scale, false}, look);
    }
}

Canvas TitlePicture()
{
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, 640, 480, 380, 140, 7);
    DrawMoon(cr, 500, 245, 62, false, true);
    DrawSnowyHills(cr, 640, 345, 480, 18, pal::kSnow[5], pal::kSnow[1], 11);
    DrawSnowyHills(cr, 640, 385, 480, 12, pal::kSnow[10], pal::kSnow[5], 12);
    DrawVillage(cr);
    DrawSnowyHills(cr, 640, 438, 480, 14, pal::kSnow[14], pal::kSnow[9], 13);
    DrawPineTree(cr, {22, 470, 1.1, false}, {120, true, false});
    DrawPineTree(cr, {612, 474, 1.0, false}, {120, true, true});
    DrawGift(cr, {584, 472, 0.9, false}, {GiftWrap::RedGold, GiftPattern::Plain, 40, 28, 0});
    DrawGift(cr, {548, 474, 0.8, false}, {GiftWrap::BlueSilver, GiftPattern::Dots, 40, 34, 0});

    // A trail of sparkles behind the flying team, curving up from the left edge.
    ArtRandom random(21);
    for (int i = 0; i < 34; ++i) {
        const double t = i / 33.0;
        const double x = -10 + t * 190, y = 340 - t * 70 - std::sin(t * 3.1) * 20;
        DrawTwinkle(cr, x + random.Range(-8, 8), y + random.Range(-10, 10), 3 + t * 5, random.Unit(),
                    i % 3 ? pal::kGold[14] : pal::kWhite);
    }
    DrawSleighTeam(cr, {210, 300, 1.1, false}, {true, 0.3});
    DrawSnowfall(cr, 640, 480, 70, 5);

    TextStyle title;
    title.sizePx = 118;
    title.fill = GameColour(pal::kGold[12]);
    title.fillBottom = GameColour(pal::kOrange[2]);
    title.outline = GameColour(pal::kRed[1]);
    title.outlineWidth = 5;
    title.shadow = GameColour(pal::kNightSky[0]);
    title.shadowDx = 5;
    title.shadowDy = 7;
    title.align = TextAlign::Centre;
    title.letterSpacingPx = 4;
    DrawSnowCappedText(cr, title, "skyrun", 320, 6, SnowCap{6, 0.35, 6});
    return canvas;
}

Canvas StudioPicture()
{
    Canvas canvas(320, 240);
    cairo_t* cr = canvas.Cr();
    canvas.Fill({0, 0, 0});
    // A faint blue glow behind the globe, fading into the black around the picture.
    cairo_pattern_t* glow = cairo_pattern_create_radial(160, 100, 10, 160, 100, 98);
    AddStop(glow, 0, pal::kNightSky[8], 0.8);
    AddStop(glow, 1, pal::kNightSky[0], 0.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);

    const double cx = 160, cy = 95, r = 68;
    // The base: a wooden plinth with a gold band.
    SmoothPath(cr, {{cx - 58, cy + 58}, {cx + 58, cy + 58}, {cx + 66, cy + 88}, {cx - 66, cy + 88}});
    FillOutlined(cr, pal::kRed[6], pal::kRed[1]);
    PolygonPath(cr, {{cx - 62, cy + 68}, {cx + 62, cy + 68}, {cx + 64, cy + 76}, {cx - 64, cy + 76}});
    FillOnly(cr, pal::kGold[10]);
    PolygonPath(cr, {{cx - 70, cy + 86}, {cx + 70, cy + 86}, {cx + 70, cy + 94}, {cx - 70, cy + 94}});
    FillOutlined(cr, pal::kRed[4], pal::kRed[1]);

    // Inside the glass: a night sky, a snowy mound, a tree, a house and falling snow.
    cairo_save(cr);
    CirclePath(cr, cx, cy, r);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, cx - r, cy - r);
    DrawNightSky(cr, 2 * r, 2 * r, 2 * r * 0.8, 30, 3);
    cairo_restore(cr);
    DrawMoon(cr, cx - 28, cy - 36, 11, true, false);
    SmoothPath(cr, {{cx - r - 5, cy + 30}, {cx - 30, cy + 18}, {cx + 10, cy + 24}, {cx + r + 5, cy + 16},
                    {cx + r + 5, cy + r + 5}, {cx - r - 5, cy + r + 5}});
    FillOnly(cr, pal::kSnow[14]);
    DrawPineTree(cr, {cx - 36, cy + 30, 0.5, false}, {90, true, true});
    DrawPineTree(cr, {cx + 50, cy + 24, 0.32, false}, {90, true, false});
    HouseLook house;
    house.smoke = true;
    DrawHouse(cr, {cx + 12, cy + 32, 0.42, false}, house);
    cairo_translate(cr, cx - r, cy - r);
    DrawSnowfall(cr, 2 * r, 2 * r, 45, 9);
    cairo_restore(cr);

    // The glass: a blue rim, a broad highlight and a small glint.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetInk(cr, pal::kCyan[6]);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - 9, M_PI * 1.05, M_PI * 1.45);
    SetInk(cr, pal::kWhite, 0.85);
    cairo_set_line_width(cr, 6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    CirclePath(cr, cx + r * 0.45, cy - r * 0.55, 4);
    FillOnly(cr, pal::kWhite, 0.9);

    TextStyle name;
    name.sizePx = 27;
    name.fill = GameColour(pal::kWhite);
    name.fillBottom = GameColour(pal::kCyan[6]);
    name.outline = GameColour(pal::kNightSky[2]);
    name.outlineWidth = 2;
    name.shadow = GameColour(pal::kBlue[2]);
    name.shadowDx = 2;
    name.shadowDy = 3;
    name.align = TextAlign::Centre;
    DrawText(cr, name, "Snowglobe Games", 160, 196);
    return canvas;
}

void WriteFullScreenPicture(const OutputTree& out, const std::string& name, const Canvas& canvas)
{
    const Palette palette = FitPalette(canvas);
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 6;
    WriteOrThrow(out.MediaPath(name), EncodeCanvasBmp(canvas, palette, options));
}

void WriteSplashPictures(const OutputTree& out)
{
    WriteFullScreenPicture(out, "splash\\background.bmp", TitlePicture());
    WriteFullScreenPicture(out, "splash\\studio.bmp", StudioPicture());
}

const RegisterGenerator kRegistration("splash", &WriteSplashPictures);

} // namespace

} // namespace mediagen
