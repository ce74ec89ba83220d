// Glimmer's shared face parts and the entry point that picks his view.
#include "GlimmerParts.h"

#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

namespace glimmer {

double Turn(double phase) { return 2 * M_PI * (phase - std::floor(phase)); }

void Eye(cairo_t* cr, double cx, double cy, double rx, double ry, double lookX, double lookY, Mood mood,
         bool mirrorBrow)
{
    if (mood == Mood::Joyful) {
        // Happily squeezed shut: a thick upward arc.
        cairo_new_path(cr);
        cairo_arc_negative(cr, cx, cy + ry * 0.4, rx * 0.9, -0.2, M_PI + 0.2);
        StrokeOnly(cr, kInk, rx * 0.45);
        return;
    }
    EllipsePath(cr, cx, cy, rx, ry);
    FillOutlined(cr, pal::kWhite, kInk);
    const double pr = rx * 0.68;
    const double px = cx + lookX * (rx - pr) * 0.9, py = cy + lookY * (ry - pr) * 0.9;
    CirclePath(cr, px, py, pr);
    FillOnly(cr, pal::kGrey[0]);
    CirclePath(cr, px + pr * 0.35, py - pr * 0.4, pr * 0.38);
    FillOnly(cr, pal::kWhite);
    if (mood == Mood::Sad) {
        // Heavy upper lid and a brow that rises towards the middle of the face.
        cairo_save(cr);
        EllipsePath(cr, cx, cy, rx, ry);
        cairo_clip(cr);
        cairo_rectangle(cr, cx - rx * 1.2, cy - ry * 1.2, rx * 2.4, ry * 0.75);
        FillOnly(cr, kFur);
        cairo_restore(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - rx * 0.9, cy - ry * 0.5);
        cairo_line_to(cr, cx + rx * 0.9, cy - ry * 0.5);
        StrokeOnly(cr, kInk, rx * 0.22);
        const double s = mirrorBrow ? -1 : 1;
        cairo_move_to(cr, cx - s * rx * 1.0, cy - ry * 1.15);
        cairo_line_to(cr, cx + s * rx * 0.9, cy - ry * 1.55);
        StrokeOnly(cr, kInk, rx * 0.3);
    }
}

void Nose(cairo_t* cr, double cx, double cy, double r, bool glow)
{
    if (glow) {
        Halo(cr, cx, cy, r * 0.8, r * 2.1, GameColour(pal::kRed[12]), 0.75);
    }
    EllipsePath(cr, cx, cy, r * 1.1, r);
    FillOutlined(cr, kNose, pal::kRed[1]);
    EllipsePath(cr, cx - r * 0.3, cy - r * 0.4, r * 0.4, r * 0.28);
    FillOnly(cr, pal::kRed[14]);
}

void Mouth(cairo_t* cr, double cx, double cy, double w, Mood mood)
{
    cairo_new_path(cr);
    if (mood == Mood::Sad) {
        cairo_move_to(cr, cx - w / 2, cy + w * 0.2);
        cairo_curve_to(cr, cx - w / 4, cy - w * 0.15, cx + w / 4, cy - w * 0.15, cx + w / 2, cy + w * 0.2);
        StrokeOnly(cr, kInk, w * 0.14);
    } else if (mood == Mood::Joyful) {
        cairo_move_to(cr, cx - w / 2, cy - w * 0.1);
        cairo_curve_to(cr, cx - w / 3, cy + w * 0.7, cx + w / 3, cy + w * 0.7, cx + w / 2, cy - w * 0.1);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kRed[3], kInk);
        EllipsePath(cr, cx, cy + w * 0.33, w * 0.22, w * 0.1);
        FillOnly(cr, pal::kPink[5]);
    } else {
        cairo_move_to(cr, cx - w / 2, cy - w * 0.05);
        cairo_curve_to(cr, cx - w / 4, cy + w * 0.35, cx + w / 4, cy + w * 0.35, cx + w / 2, cy - w * 0.05);
        StrokeOnly(cr, kInk, w * 0.14);
    }
}

void Antler(cairo_t* cr, Point b, double s, double k, int colour)
{
    auto P = [&](double x, double y) { return Point{b.x + s * x * k, b.y + y * k}; };
    const double w = 3.6 * k;
    // Outline pass for every branch, then the fill pass, so the branches join cleanly.
    for (int pass = 0; pass < 2; ++pass) {
        const double width = pass == 0 ? w + 2 * DeviceToUser(cr, kOutlinePx) : w;
        const int ink = pass == 0 ? kInk : colour;
        auto branch = [&](std::initializer_list<Point> pts) {
            cairo_new_path(cr);
            bool first = true;
            for (const Point& q : pts) {
                if (first) cairo_move_to(cr, q.x, q.y);
                else cairo_line_to(cr, q.x, q.y);
                first = false;
            }
            StrokeOnly(cr, ink, width);
        };
        branch({P(0, 0), P(2, -10), P(6, -20), P(14, -27), P(20, -29)});
        branch({P(3, -13), P(-4, -20), P(-6, -27)});
        branch({P(6, -20), P(5, -30), P(8, -36)});
        branch({P(13, -26), P(17, -34)});
    }
}

void Ear(cairo_t* cr, Point b, Point t, double w, int fur, int inside)
{
    const double dx = t.x - b.x, dy = t.y - b.y;
    const double len = std::hypot(dx, dy);
    const double nx = -dy / len * w, ny = dx / len * w;
    const Point m{b.x + dx * 0.45, b.y + dy * 0.45};
    SmoothPath(cr, {{b.x + nx * 0.5, b.y + ny * 0.5}, {m.x + nx, m.y + ny}, t, {m.x - nx, m.y - ny},
                    {b.x - nx * 0.5, b.y - ny * 0.5}});
    FillOutlined(cr, fur, kInk);
    const Point mi{b.x + dx * 0.5, b.y + dy * 0.5};
    SmoothPath(cr, {{b.x + dx * 0.15, b.y + dy * 0.15}, {mi.x + nx * 0.45, mi.y + ny * 0.45},
                    {b.x + dx * 0.82, b.y + dy * 0.82}, {mi.x - nx * 0.45, mi.y - ny * 0.45}});
    FillOnly(cr, inside);
}

void ScarfTail(cairo_t* cr, Point from, double dir, double length, double width, double wave, double phase)
{
    const int n = 8;
    Point left[n + 1], right[n + 1];
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const double sway = wave * t * std::sin(Turn(phase) - t * 4.0) * length * 0.18;
        const double cx = from.x + std::cos(dir) * length * t - std::sin(dir) * sway;
        const double cy = from.y + std::sin(dir) * length * t + std::cos(dir) * sway;
        const double half = width * (0.5 + 0.1 * t);
        left[i] = {cx - std::sin(dir) * half, cy + std::cos(dir) * half};
        right[i] = {cx + std::sin(dir) * half, cy - std::cos(dir) * half};
    }
    auto outline = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, left[0].x, left[0].y);
        for (int i = 1; i <= n; ++i) cairo_line_to(cr, left[i].x, left[i].y);
        for (int i = n; i >= 0; --i) cairo_line_to(cr, right[i].x, right[i].y);
        cairo_close_path(cr);
    };
    outline();
    FillOutlined(cr, kScarf, pal::kRed[1]);
    // Two light stripes near the end, and a fringe.
    for (double s : {0.62, 0.8}) {
        const int i = int(s * n);
        cairo_new_path(cr);
        cairo_move_to(cr, left[i].x, left[i].y);
        cairo_line_to(cr, right[i].x, right[i].y);
        StrokeOnly(cr, kScarfStripe, width * 0.28);
    }
    cairo_new_path(cr);
    for (int f = 0; f <= 3; ++f) {
        const double t = f / 3.0;
        const Point p{left[n].x + (right[n].x - left[n].x) * t, left[n].y + (right[n].y - left[n].y) * t};
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x + std::cos(dir) * width * 0.45, p.y + std::sin(dir) * width * 0.45);
    }
    StrokeOnly(cr, kScarfShade, width * 0.16);
}

} // namespace glimmer

void DrawGlimmer(cairo_t* cr, const Placement& placement, const GlimmerLook& look)
{
    FigureSpace space(cr, placement);
    if (look.view == GlimmerView::Side) DrawGlimmerSide(cr, look);
    else DrawGlimmerThreeQuarter(cr, look);
}

} // namespace mediagen
