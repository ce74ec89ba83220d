// Outlined shapes and limbs in palette colours.
#include "ArtPen.h"

#include "paint/Ink.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mediagen {

FigureSpace::FigureSpace(cairo_t* cr, const Placement& p) : mCr(cr)
{
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_scale(cr, p.faceLeft ? -p.scale : p.scale, p.scale);
}

FigureSpace::~FigureSpace() { cairo_restore(mCr); }

double DeviceToUser(cairo_t* cr, double px)
{
    double dx = px, dy = 0;
    cairo_device_to_user_distance(cr, &dx, &dy);
    return std::hypot(dx, dy);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void SmoothPath(cairo_t* cr, std::initializer_list<Point> list, bool closed)
{
    const std::vector<Point> p(list);
    const size_t n = p.size();
    if (n < 2) return;
    auto at = [&](long i) {
        if (closed) return p[size_t((i % long(n) + long(n)) % long(n))];
        return p[size_t(std::clamp(i, 0L, long(n) - 1))];
    };
    cairo_new_sub_path(cr);
    cairo_move_to(cr, p[0].x, p[0].y);
    const long segments = closed ? long(n) : long(n) - 1;
    for (long i = 0; i < segments; ++i) {
        const Point p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                       p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
    }
    if (closed) cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, std::initializer_list<Point> points)
{
    bool first = true;
    for (const Point& q : points) {
        if (first) {
            cairo_new_sub_path(cr);
            cairo_move_to(cr, q.x, q.y);
        } else {
            cairo_line_to(cr, q.x, q.y);
        }
        first = false;
    }
    cairo_close_path(cr);
}

void FillOutlined(cairo_t* cr, int fill, int outline, double outlinePx)
{
    SetInk(cr, fill);
    cairo_fill_preserve(cr);
    SetInk(cr, outline);
    cairo_set_line_width(cr, DeviceToUser(cr, outlinePx));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Silhouette(cairo_t* cr, int fill, int outline, double outlinePx)
{
    SetInk(cr, outline);
    cairo_set_line_width(cr, 2 * DeviceToUser(cr, outlinePx));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetInk(cr, fill);
    cairo_fill(cr);
}

void FillOnly(cairo_t* cr, int fill, double alpha)
{
    SetInk(cr, fill, alpha);
    cairo_fill(cr);
}

void StrokeOnly(cairo_t* cr, int colour, double widthUnits)
{
    SetInk(cr, colour);
    cairo_set_line_width(cr, widthUnits);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Limb(cairo_t* cr, std::initializer_list<Point> points, double widthUnits, int fill, int outline,
          double outlinePx)
{
    auto path = [&] {
        bool first = true;
        for (const Point& q : points) {
            if (first) cairo_move_to(cr, q.x, q.y);
            else cairo_line_to(cr, q.x, q.y);
            first = false;
        }
    };
    cairo_new_path(cr);
    path();
    StrokeOnly(cr, outline, widthUnits + 2 * DeviceToUser(cr, outlinePx));
    path();
    StrokeOnly(cr, fill, widthUnits);
}

void StrokeOutlined(cairo_t* cr, double widthUnits, int fill, int outline)
{
    const double o = 2 * DeviceToUser(cr, kOutlinePx);
    cairo_path_t* path = cairo_copy_path(cr);
    StrokeOnly(cr, outline, widthUnits + o);
    cairo_append_path(cr, path);
    StrokeOnly(cr, fill, widthUnits);
    cairo_path_destroy(path);
}

void FillBlendDown(cairo_t* cr, double top, double bottom, std::initializer_list<BlendStop> stops)
{
    cairo_pattern_t* blend = cairo_pattern_create_linear(0, top, 0, bottom);
    for (const BlendStop& stop : stops) AddStop(blend, stop.offset, stop.colour);
    cairo_set_source(cr, blend);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(blend);
}

void StrokeRim(cairo_t* cr, int outer, double outerWidth, int inner, double innerWidth)
{
    SetInk(cr, outer);
    cairo_set_line_width(cr, outerWidth);
    cairo_stroke_preserve(cr);
    SetInk(cr, inner);
    cairo_set_line_width(cr, innerWidth);
    cairo_stroke(cr);
}

void Halo(cairo_t* cr, double cx, double cy, double innerRadius, double outerRadius, Rgb colour, double alpha)
{
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, innerRadius, cx, cy, outerRadius);
    AddStop(halo, 0, colour, alpha);
    AddStop(halo, 1, colour, 0.0);
    cairo_set_source(cr, halo);
    CirclePath(cr, cx, cy, outerRadius);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
}

} // namespace mediagen
