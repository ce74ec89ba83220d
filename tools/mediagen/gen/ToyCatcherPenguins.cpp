// Group "act1-penguins": the sniper penguin of the toy catcher and the four parts of the penguin's snowblower.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/FrontDecor.h"
#include "art/PenguinArt.h"
#include "art/WorkshopProps.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/SpriteBuilder.h"

#include <cmath>

namespace {

using namespace mediagen;

// ---- the sniper -------------------------------------------------------------------------

// The sniper's sprite is 50 x 56 with a ledge of snow along its bottom that he hides behind;
// his snowball starts falling from the sprite's top-left corner, so he throws down and left.
constexpr int kSniperWidth = 50;
constexpr int kSniperHeight = 56;
constexpr double kLedgeY = 50;

enum class SniperPose { Hidden, Peek, Half, Up, Ready, Laugh, WindUp, Swing, LetGo, Follow };

// The frames the round shows for its ticks: 1 peek, 2 up, 3 half up, 4 ready with a
// snowball, 5 laughing, 9 to 12 the throw; 0 and 6 to 8 are spares in the same motion.
const SniperPose kSniperFrames[] = {
    SniperPose::Hidden, SniperPose::Peek, SniperPose::Up,     SniperPose::Half,  SniperPose::Ready,
    SniperPose::Laugh,  SniperPose::Half, SniperPose::Ready,  SniperPose::Laugh, SniperPose::WindUp,
    SniperPose::Swing,  SniperPose::LetGo, SniperPose::Follow,
};

void DrawSniper(cairo_t* cr, SniperPose pose)
{
    // How far the penguin stands up out of his hiding place.
    double sink = 0;
    switch (pose) {
    case SniperPose::Hidden: sink = 48; break;
    case SniperPose::Peek: sink = 30; break;
    case SniperPose::Half: sink = 16; break;
    default: sink = 0; break;
    }
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kSniperWidth, kLedgeY + 2);
    cairo_clip(cr);
    const Placement at{27, kLedgeY + 6 + sink, 0.88, true};
    switch (pose) {
    case SniperPose::WindUp: DrawPenguin(cr, at, {PenguinPose::Throw, 0.0}); break;
    case SniperPose::Swing: DrawPenguin(cr, at, {PenguinPose::Throw, 0.3}); break;
    case SniperPose::LetGo: DrawPenguin(cr, at, {PenguinPose::Throw, 0.6}); break;
    case SniperPose::Follow: DrawPenguin(cr, at, {PenguinPose::Throw, 0.95}); break;
    case SniperPose::Ready:
        DrawPenguin(cr, at, {PenguinPose::Stand, 0});
        DrawSnowball(cr, 14, 24, 5);
        break;
    case SniperPose::Laugh:
        DrawPenguin(cr, at, {PenguinPose::Waddle, 0.25});
        // Eyes squeezed shut with glee.
        cairo_move_to(cr, 12, 10);
        cairo_line_to(cr, 16, 12);
        cairo_line_to(cr, 12, 14);
        StrokeOnly(cr, pal::kBlack, 1.6);
        break;
    default: DrawPenguin(cr, at, {PenguinPose::Stand, 0}); break;
    }
    cairo_restore(cr);
    DrawSnowDrift(cr, 25, kSniperHeight - 1, 24, 10);
}

void WriteSniper(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (SniperPose pose : kSniperFrames) {
        Canvas canvas(kSniperWidth, kSniperHeight);
        DrawSniper(canvas.Cr(), pose);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\pensniper.spx"), sprite.Encode());
}

// ---- the snowblower ----------------------------------------------------------------------

// The parts hang on the body's top-left corner: penguin (1, -20) and spout (66, -12) behind
// it, treads (-3, 32) in front. The blown snowball leaves 24 pixels above the spout's corner.
constexpr int kBodyWidth = 76;
constexpr int kBodyHeight = 38;

void WriteBlowerBody(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int frame = 0; frame < 2; ++frame) {
        Canvas canvas(kBodyWidth, kBodyHeight);
        cairo_t* cr = canvas.Cr();
        const double shake = frame == 0 ? 0 : 1;
        cairo_translate(cr, 0, shake);
        // The engine housing: a rounded red box with a gold stripe and a grille.
        cairo_new_path(cr);
        cairo_move_to(cr, 4, 34);
        cairo_line_to(cr, 4, 12);
        cairo_curve_to(cr, 4, 6, 8, 4, 14, 4);
        cairo_line_to(cr, 58, 4);
        cairo_line_to(cr, 66, 14);
        cairo_line_to(cr, 66, 34);
        cairo_close_path(cr);
        FillBlendDown(cr, 4, 34, {{0, pal::kRed[10]}, {1, pal::kRed[4]}});
        StrokeOnly(cr, pal::kBlack, 2);
        cairo_rectangle(cr, 5, 20, 60, 4);
        FillOnly(cr, pal::kGold[10]);
        for (double x = 12; x < 40; x += 6) {
            cairo_move_to(cr, x, 9);
            cairo_line_to(cr, x, 17);
        }
        StrokeOnly(cr, pal::kRed[2], 2);
        // The auger at the front, its blades turning with the frame.
        cairo_rectangle(cr, 62, 14, 12, 20);
        FillOutlined(cr, pal::kGrey[6], pal::kBlack);
        for (int i = 0; i < 3; ++i) {
            const double y = 17 + i * 6 + (frame == 0 ? 0 : 3);
            cairo_move_to(cr, 63, y);
            cairo_line_to(cr, 73, y + 3);
        }
        StrokeOnly(cr, pal::kGrey[12], 2);
        // Exhaust puff.
        CirclePath(cr, 8, frame == 0 ? 2 : 0, 2.5 + frame);
        FillOutlined(cr, pal::kGrey[12], pal::kGrey[5], 1.0);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\snowblower\\sbbody001.spx"), sprite.Encode());
}

void WriteBlowerTreads(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int frame = 0; frame < 3; ++frame) {
        Canvas canvas(80, 16);
        cairo_t* cr = canvas.Cr();
        cairo_new_path(cr);
        cairo_arc(cr, 72, 8, 7, -M_PI / 2, M_PI / 2);
        cairo_arc(cr, 8, 8, 7, M_PI / 2, 3 * M_PI / 2);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kGrey[3], pal::kBlack);
        for (double x = 4 + frame * 2.67; x < 78; x += 8) {
            cairo_rectangle(cr, x, 1.5, 3, 2.5);
            cairo_rectangle(cr, 80 - x, 12, 3, 2.5);
        }
        FillOnly(cr, pal::kGrey[8]);
        for (double x : {12.0, 30.0, 48.0, 66.0}) {
            CirclePath(cr, x, 8, 4);
            FillOutlined(cr, pal::kGrey[10], pal::kBlack, 1.2);
            const double a = frame * M_PI / 3;
            cairo_move_to(cr, x + 3 * std::cos(a), 8 + 3 * std::sin(a));
            cairo_line_to(cr, x - 3 * std::cos(a), 8 - 3 * std::sin(a));
            StrokeOnly(cr, pal::kGrey[4], 1.2);
        }
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\snowblower\\sbtreads001.spx"), sprite.Encode());
}

// The driver: 0 to 2 bob along while driving; 3 to 8 work the blower: look up, pull the
// lever, push it, crank, hold on, cheer.
void DrawDriver(cairo_t* cr, int frame)
{
    const double bob = frame < 3 ? frame * 1.0 : 0;
    const double lean = frame == 4 ? -0.15 : frame == 5 ? 0.15 : frame == 6 ? 0.08 * (frame % 2) : 0;
    cairo_save(cr);
    cairo_translate(cr, 20, 42 + bob);
    cairo_rotate(cr, lean);
    DrawPenguin(cr, {0, 0, 0.8, false}, {frame == 8 ? PenguinPose::Throw : PenguinPose::Stand, frame == 8 ? 0.2 : 0});
    cairo_restore(cr);
    if (frame >= 3 && frame <= 6) {
        // The lever he works, beside him on the housing.
        const double a = -1.2 + 0.35 * (frame - 3);
        cairo_move_to(cr, 34, 24);
        cairo_line_to(cr, 34 + 14 * std::cos(a), 24 + 14 * std::sin(a));
        StrokeOutlined(cr, 2.4, pal::kGrey[9], pal::kBlack);
        CirclePath(cr, 34 + 14 * std::cos(a), 24 + 14 * std::sin(a), 3);
        FillOutlined(cr, pal::kRed[9], pal::kBlack, 1.2);
    }
    if (frame == 7) {
        // Puff of breath: the effort of holding on.
        CirclePath(cr, 36, 8, 3);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[6], 1.0);
    }
}

void WriteBlowerPenguin(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int frame = 0; frame < 9; ++frame) {
        Canvas canvas(48, 44);
        DrawDriver(canvas.Cr(), frame);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\snowblower\\sbpenguin001.spx"), sprite.Encode());
}

// The spout: a chute that rises from the housing's front. 0 to 2 puff a little snow while
// driving; 3 to 8 build up, blast (5 is the shot), and cough out the last of it.
void DrawSpout(cairo_t* cr, int frame)
{
    const double rise = frame >= 3 ? std::min(4.0, (frame - 2) * 1.5) : 0;
    // The chute, a pipe bent upward with a gold rim.
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 36);
    cairo_line_to(cr, 4, 14 - rise);
    cairo_line_to(cr, 20, 10 - rise);
    cairo_line_to(cr, 22, 36);
    cairo_close_path(cr);
    FillBlendDown(cr, 10, 36, {{0, pal::kGrey[10]}, {1, pal::kGrey[5]}});
    StrokeOnly(cr, pal::kBlack, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 2, 14 - rise);
    cairo_line_to(cr, 22, 9 - rise);
    StrokeOutlined(cr, 3, pal::kGold[10], pal::kBlack);
    // Snow coming out of the mouth.
    const double puffs[] = {3, 4, 3, 4, 6, 11, 8, 5, 3};
    const double size = puffs[frame];
    for (int i = 0; i < 3; ++i) {
        const double y = 8 - rise - i * size * 0.7;
        if (y < 0)
            break;
        CirclePath(cr, 12 + (i - 1) * size * 0.4 + (frame % 3) * 0.7, y, size * (0.7 - i * 0.15));
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[5], 1.2);
    }
}

void WriteBlowerSpout(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int frame = 0; frame < 9; ++frame) {
        Canvas canvas(26, 38);
        DrawSpout(canvas.Cr(), frame);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\snowblower\\sbspout001.spx"), sprite.Encode());
}

void WritePenguins(const OutputTree& out)
{
    WriteSniper(out);
    WriteBlowerBody(out);
    WriteBlowerTreads(out);
    WriteBlowerPenguin(out);
    WriteBlowerSpout(out);
}

const RegisterGenerator kRegistration("act1-penguins", &WritePenguins);

} // namespace
