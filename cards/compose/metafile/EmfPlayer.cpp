// The EMF record walk: every offset and count is checked against its record before use.
#include "EmfPlayer.h"

#include "DibImage.h"
#include "GdiContext.h"
#include "MetaBytes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

enum : uint32_t {
    kHeader = 1, kPolyBezier = 2, kPolygon = 3, kPolyline = 4, kPolyBezierTo = 5, kPolylineTo = 6,
    kPolyPolyline = 7, kPolyPolygon = 8, kSetWindowExt = 9, kSetWindowOrg = 10, kSetViewportExt = 11,
    kSetViewportOrg = 12, kEof = 14, kSetPixel = 15, kSetMapMode = 17, kSetBkMode = 18,
    kSetPolyFillMode = 19, kSetTextAlign = 22, kSetTextColour = 24, kSetBkColour = 25, kMoveTo = 27,
    kIntersectClipRect = 30, kSaveDc = 33, kRestoreDc = 34, kSetWorldTransform = 35,
    kModifyWorldTransform = 36, kSelectObject = 37, kCreatePen = 38, kCreateBrush = 39,
    kDeleteObject = 40, kAngleArc = 41, kEllipse = 42, kRectangle = 43, kRoundRect = 44, kArc = 45,
    kChord = 46, kPie = 47, kLineTo = 54, kArcTo = 55, kPolyDraw = 56, kSetArcDirection = 57,
    kBeginPath = 59, kEndPath = 60, kCloseFigure = 61, kFillPath = 62, kStrokeAndFillPath = 63,
    kStrokePath = 64, kSelectClipPath = 67, kAbortPath = 68, kExtSelectClipRgn = 75, kBitBlt = 76,
    kStretchBlt = 77, kSetDiBitsToDevice = 80, kStretchDiBits = 81, kExtCreateFont = 82,
    kExtTextOutA = 83, kExtTextOutW = 84, kPolyBezier16 = 85, kPolygon16 = 86, kPolyline16 = 87,
    kPolyBezierTo16 = 88, kPolylineTo16 = 89, kPolyPolyline16 = 90, kPolyPolygon16 = 91,
    kPolyDraw16 = 92, kCreateMonoBrush = 93, kCreateDibPatternBrush = 94, kExtCreatePen = 95,
};

QColor ColourRef(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

bool ReadPoints(const MetaBytes& r, size_t offset, uint32_t count, bool small, std::vector<QPointF>& out)
{
    const size_t each = small ? 4 : 8;
    if (count > r.Size() / each || !r.Has(offset, count * each)) return false;
    out.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (small) {
            int16_t x = 0, y = 0;
            r.I16(offset + i * 4, x);
            r.I16(offset + i * 4 + 2, y);
            out[i] = QPointF(x, y);
        } else {
            int32_t x = 0, y = 0;
            r.I32(offset + i * 8, x);
            r.I32(offset + i * 8 + 4, y);
            out[i] = QPointF(x, y);
        }
    }
    return true;
}

bool ReadRect(const MetaBytes& r, size_t offset, QRectF& out)
{
    int32_t l = 0, t = 0, rr = 0, b = 0;
    if (!r.I32(offset, l) || !r.I32(offset + 4, t) || !r.I32(offset + 8, rr) || !r.I32(offset + 12, b)) return false;
    out = QRectF(QPointF(l, t), QPointF(rr, b));
    return true;
}

bool ReadPoint(const MetaBytes& r, size_t offset, QPointF& out)
{
    int32_t x = 0, y = 0;
    if (!r.I32(offset, x) || !r.I32(offset + 4, y)) return false;
    out = QPointF(x, y);
    return true;
}

bool ReadTransform(const MetaBytes& r, size_t offset, QTransform& out)
{
    float m[6];
    for (int i = 0; i < 6; ++i)
        if (!r.F32(offset + 4 * i, m[i])) return false;
    out = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
    return true;
}

// The bitmap a record carries at (offBmi, cbBmi, offBits, cbBits); null when absent or damaged,
// and not decoded at all while the file is only checked or the playback's budget is spent.
QImage RecordBitmap(const MetaBytes& r, size_t at, GdiContext& dc)
{
    uint32_t offBmi = 0, cbBmi = 0, offBits = 0, cbBits = 0;
    if (!dc.Painting()) return {};
    if (!r.U32(at, offBmi) || !r.U32(at + 4, cbBmi) || !r.U32(at + 8, offBits) || !r.U32(at + 12, cbBits))
        return {};
    if (cbBmi == 0 || !r.Has(offBmi, cbBmi) || !r.Has(offBits, cbBits)) return {};
    const MetaBytes info = r.Slice(offBmi, cbBmi);
    if (!dc.TakePixels(DibImage::PixelCount(info))) return {};
    return DibImage::Decode(info, r.Slice(offBits, cbBits));
}

// Angle in degrees of a point seen from the centre of an ellipse box, counter-clockwise on screen.
double BoxAngle(const QRectF& box, QPointF p)
{
    const QPointF c = box.center();
    const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / M_PI;
}

QPainterPath ArcPath(const QRectF& box, QPointF start, QPointF end, bool clockwise, int kind)
{
    const double a0 = BoxAngle(box, start);
    double sweep = BoxAngle(box, end) - a0;
    if (clockwise) {
        while (sweep >= 0) sweep -= 360;
    } else {
        while (sweep <= 0) sweep += 360;
    }
    QPainterPath path;
    if (kind == 2) path.moveTo(box.center());
    else path.arcMoveTo(box, a0);
    path.arcTo(box, a0, sweep);
    if (kind != 0) path.closeSubpath();
    return path;
}

} // namespace

bool EmfPlayer::Load(const QByteArray& bytes)
{
    mBytes.clear();
    const MetaBytes all(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    uint32_t type = 0, size = 0, signature = 0;
    if (!all.U32(0, type) || type != kHeader || !all.U32(4, size) || size < 88 || size > all.Size() ||
        !all.U32(40, signature) || signature != 0x464D4520)
        return false;
    QRectF frame;
    int32_t devX = 0, devY = 0, mmX = 0, mmY = 0;
    if (!ReadRect(all, 24, frame) || !all.I32(72, devX) || !all.I32(76, devY) || !all.I32(80, mmX) ||
        !all.I32(84, mmY))
        return false;
    frame = frame.normalized();
    if (frame.width() <= 0 || frame.height() <= 0) return false;
    mPxPerMmX = (devX > 0 && mmX > 0) ? double(devX) / mmX : 96.0 / 25.4;
    mPxPerMmY = (devY > 0 && mmY > 0) ? double(devY) / mmY : 96.0 / 25.4;
    mFrame = frame;
    mFramePixels = QRectF(frame.left() / 100 * mPxPerMmX, frame.top() / 100 * mPxPerMmY,
                          frame.width() / 100 * mPxPerMmX, frame.height() / 100 * mPxPerMmY);
    mBytes = bytes;
    GdiContext check(nullptr);
    if (!Walk(check)) {
        mBytes.clear();
        return false;
    }
    return true;
}

QSizeF EmfPlayer::SizeTwips() const
{
    return QSizeF(mFrame.width() / 100.0 / 25.4 * 1440.0, mFrame.height() / 100.0 / 25.4 * 1440.0);
}

void EmfPlayer::Play(QPainter& painter, const QRectF& target) const
{
    if (!IsValid() || mFramePixels.width() <= 0 || mFramePixels.height() <= 0) return;
    painter.save();
    const QTransform base = painter.transform();
    const QTransform fit = QTransform::fromTranslate(-mFramePixels.left(), -mFramePixels.top()) *
                           QTransform::fromScale(target.width() / mFramePixels.width(),
                                                 target.height() / mFramePixels.height()) *
                           QTransform::fromTranslate(target.left(), target.top());
    GdiContext dc(&painter);
    dc.SetDeviceTransform(fit * base);
    dc.SetDeviceResolution(mPxPerMmX, mPxPerMmY);
    Walk(dc);
    painter.restore();
}

bool EmfPlayer::Walk(GdiContext& dc) const
{
    const MetaBytes all(reinterpret_cast<const uint8_t*>(mBytes.constData()), static_cast<size_t>(mBytes.size()));
    size_t offset = 0;
    size_t records = 0;
    std::vector<QPointF> points;
    while (offset < all.Size()) {
        uint32_t type = 0, size = 0;
        if (!all.U32(offset, type) || !all.U32(offset + 4, size)) return false;
        if (size < 8 || size % 4 != 0 || !all.Has(offset, size)) return false;
        if (++records > kMaxRecords) return false;
        const MetaBytes r = all.Slice(offset, size);
        offset += size;
        bool ok = true;
        switch (type) {
        case kHeader:
            if (records != 1) return false;
            break;
        case kEof:
            return true;
        case kPolyBezier: case kPolygon: case kPolyline: case kPolyBezierTo: case kPolylineTo:
        case kPolyBezier16: case kPolygon16: case kPolyline16: case kPolyBezierTo16: case kPolylineTo16: {
            const bool small = type >= kPolyBezier16;
            const uint32_t kind = small ? type - kPolyBezier16 + kPolyBezier : type;
            uint32_t count = 0;
            ok = r.U32(24, count) && ReadPoints(r, 28, count, small, points);
            if (!ok) break;
            if (kind == kPolyBezier) dc.PolyBezier(points);
            else if (kind == kPolygon) dc.Polygon(points);
            else if (kind == kPolyline) dc.Polyline(points);
            else if (kind == kPolyBezierTo) dc.PolyBezierTo(points);
            else dc.PolylineTo(points);
            break;
        }
        case kPolyPolyline: case kPolyPolygon: case kPolyPolyline16: case kPolyPolygon16: {
            const bool small = type >= kPolyPolyline16;
            const bool polygon = (type == kPolyPolygon || type == kPolyPolygon16);
            uint32_t polys = 0, total = 0;
            ok = r.U32(24, polys) && r.U32(28, total) && polys <= r.Size() / 4 && r.Has(32, size_t(polys) * 4) &&
                 ReadPoints(r, 32 + size_t(polys) * 4, total, small, points);
            if (!ok) break;
            size_t used = 0;
            QPainterPath logical;
            for (uint32_t p = 0; p < polys && ok; ++p) {
                uint32_t n = 0;
                r.U32(32 + p * 4, n);
                if (n > total - used) { ok = false; break; }
                std::vector<QPointF> one(points.begin() + used, points.begin() + used + n);
                used += n;
                if (polygon) {
                    if (n < 2) continue;
                    logical.moveTo(one[0]);
                    for (size_t i = 1; i < one.size(); ++i) logical.lineTo(one[i]);
                    logical.closeSubpath();
                } else {
                    dc.Polyline(one);
                }
            }
            if (ok && polygon) dc.Shape(logical, true);
            break;
        }
        case kSetWindowExt: case kSetWindowOrg: case kSetViewportExt: case kSetViewportOrg: case kMoveTo:
        case kLineTo: {
            QPointF p;
            ok = ReadPoint(r, 8, p);
            if (!ok) break;
            if (type == kSetWindowExt) dc.SetWindowExt(p.x(), p.y());
            else if (type == kSetWindowOrg) dc.SetWindowOrg(p.x(), p.y());
            else if (type == kSetViewportExt) dc.SetViewportExt(p.x(), p.y());
            else if (type == kSetViewportOrg) dc.SetViewportOrg(p.x(), p.y());
            else if (type == kMoveTo) dc.MoveTo(p);
            else dc.LineTo(p);
            break;
        }
        case kSetPixel: {
            QPointF p;
            uint32_t c = 0;
            ok = ReadPoint(r, 8, p) && r.U32(16, c);
            if (ok) dc.FillRectDevice(QRectF(p, QSizeF(1, 1)), ColourRef(c));
            break;
        }
        case kSetMapMode: case kSetBkMode: case kSetPolyFillMode: case kSetTextAlign: case kSetTextColour:
        case kSetBkColour: case kSetArcDirection: case kRestoreDc: case kSelectObject: case kDeleteObject:
        case kSelectClipPath: {
            uint32_t v = 0;
            ok = r.U32(8, v);
            if (!ok) break;
            if (type == kSetMapMode) dc.SetMapMode(static_cast<int>(v));
            else if (type == kSetBkMode) dc.SetBkMode(static_cast<int>(v));
            else if (type == kSetPolyFillMode) dc.SetPolyFillMode(static_cast<int>(v));
            else if (type == kSetTextAlign) dc.SetTextAlign(v);
            else if (type == kSetTextColour) dc.SetTextColour(ColourRef(v));
            else if (type == kSetBkColour) dc.SetBkColour(ColourRef(v));
            else if (type == kSetArcDirection) dc.SetArcClockwise(v == 2);
            else if (type == kRestoreDc) dc.RestoreDc(static_cast<int32_t>(v));
            else if (type == kSelectObject) {
                if (v & 0x80000000u) dc.SelectStock(v);
                else dc.SelectObject(v);
            } else if (type == kDeleteObject) dc.DeleteObject(v);
            else dc.SelectClipPath(static_cast<int>(v));
            break;
        }
        case kIntersectClipRect: {
            QRectF box;
            ok = ReadRect(r, 8, box);
            if (ok) dc.IntersectClipRect(box);
            break;
        }
        case kSaveDc: dc.SaveDc(); break;
        case kSetWorldTransform: case kModifyWorldTransform: {
            QTransform t;
            uint32_t mode = 4;
            ok = ReadTransform(r, 8, t) && (type == kSetWorldTransform || r.U32(32, mode));
            if (ok) dc.ModifyWorldTransform(t, mode);
            break;
        }
        case kCreatePen: {
            uint32_t index = 0, style = 0, colour = 0;
            int32_t width = 0;
            ok = r.U32(8, index) && r.U32(12, style) && r.I32(16, width) && r.U32(24, colour);
            if (ok) dc.CreateObject(index, GdiPen{style & 0x0F, double(std::abs(width)), ColourRef(colour)});
            break;
        }
        case kExtCreatePen: {
            uint32_t index = 0, style = 0, width = 0, brushStyle = 0, colour = 0;
            ok = r.U32(8, index) && r.U32(28, style) && r.U32(32, width) && r.U32(36, brushStyle) && r.U32(40, colour);
            if (!ok) break;
            if (brushStyle == 1) style = (style & ~0x0Fu) | 5;
            // Cosmetic pens are one pixel wide whatever their width says.
            const double w = (style & 0x00010000u) ? double(width) : 0.0;
            dc.CreateObject(index, GdiPen{style, w, ColourRef(colour)});
            break;
        }
        case kCreateBrush: {
            uint32_t index = 0, style = 0, colour = 0, hatch = 0;
            ok = r.U32(8, index) && r.U32(12, style) && r.U32(16, colour) && r.U32(20, hatch);
            if (ok) dc.CreateObject(index, GdiBrush{style, ColourRef(colour), hatch, {}});
            break;
        }
        case kCreateMonoBrush: case kCreateDibPatternBrush: {
            uint32_t index = 0;
            ok = r.U32(8, index) && r.Has(16, 16);
            if (!ok) break;
            const QImage pattern = RecordBitmap(r, 16, dc);
            dc.CreateObject(index, GdiBrush{5, QColor(128, 128, 128), 0, pattern});
            break;
        }
        case kExtCreateFont: {
            uint32_t index = 0;
            int32_t height = 0, escapement = 0, weight = 0;
            uint8_t italic = 0, underline = 0, strike = 0;
            ok = r.U32(8, index) && r.I32(12, height) && r.I32(20, escapement) && r.I32(28, weight) &&
                 r.U8(32, italic) && r.U8(33, underline) && r.U8(34, strike) && r.Has(40, 64);
            if (!ok) break;
            GdiFont font;
            font.height = height;
            font.escapement = escapement;
            font.weight = weight;
            font.italic = italic;
            font.underline = underline;
            font.strikeOut = strike;
            for (int i = 0; i < 32; ++i) {
                uint16_t ch = 0;
                r.U16(40 + i * 2, ch);
                if (ch == 0) break;
                font.face.append(QChar(ch));
            }
            dc.CreateObject(index, font);
            break;
        }
        case kEllipse: case kRectangle: {
            QRectF box;
            ok = ReadRect(r, 8, box);
            if (!ok) break;
            QPainterPath path;
            if (type == kEllipse) path.addEllipse(box.normalized());
            else path.addRect(box.normalized());
            dc.Shape(path, true);
            break;
        }
        case kRoundRect: {
            QRectF box;
            int32_t cw = 0, ch = 0;
            ok = ReadRect(r, 8, box) && r.I32(24, cw) && r.I32(28, ch);
            if (!ok) break;
            QPainterPath path;
            path.addRoundedRect(box.normalized(), std::abs(cw) / 2.0, std::abs(ch) / 2.0);
            dc.Shape(path, true);
            break;
        }
        case kArc: case kChord: case kPie: case kArcTo: {
            QRectF box;
            QPointF a, b;
            ok = ReadRect(r, 8, box) && ReadPoint(r, 24, a) && ReadPoint(r, 32, b);
            if (!ok) break;
            box = box.normalized();
            const int kind = type == kPie ? 2 : type == kChord ? 1 : 0;
            QPainterPath path = ArcPath(box, a, b, dc.ArcClockwise(), kind);
            if (type == kArcTo) {
                if (path.elementCount() > 0) {
                    dc.LineTo(QPointF(path.elementAt(0).x, path.elementAt(0).y));
                    dc.Shape(path, false);
                    dc.MoveTo(path.currentPosition());
                }
            } else {
                dc.Shape(path, kind != 0);
            }
            break;
        }
        case kAngleArc: {
            QPointF c;
            uint32_t radius = 0;
            float start = 0, sweep = 0;
            ok = ReadPoint(r, 8, c) && r.U32(16, radius) && r.F32(20, start) && r.F32(24, sweep);
            if (!ok) break;
            const QRectF box(c.x() - radius, c.y() - radius, 2.0 * radius, 2.0 * radius);
            QPainterPath path;
            path.arcMoveTo(box, start);
            dc.LineTo(path.currentPosition());
            path.arcTo(box, start, sweep);
            dc.Shape(path, false);
            dc.MoveTo(path.currentPosition());
            break;
        }
        case kPolyDraw: case kPolyDraw16: {
            const bool small = type == kPolyDraw16;
            uint32_t count = 0;
            ok = r.U32(24, count) && ReadPoints(r, 28, count, small, points) &&
                 r.Has(28 + size_t(count) * (small ? 4 : 8), count);
            if (!ok) break;
            const size_t typesAt = 28 + size_t(count) * (small ? 4 : 8);
            for (uint32_t i = 0; i < count; ++i) {
                uint8_t t = 0;
                r.U8(typesAt + i, t);
                if ((t & 6) == 6) dc.MoveTo(points[i]);
                else if ((t & 6) == 4 && i + 2 < count) {
                    dc.PolyBezierTo({points[i], points[i + 1], points[i + 2]});
                    i += 2;
                } else dc.LineTo(points[i]);
                if (t & 1) dc.CloseFigure();
            }
            break;
        }
        case kBeginPath: dc.BeginPath(); break;
        case kEndPath: dc.EndPath(); break;
        case kCloseFigure: dc.CloseFigure(); break;
        case kAbortPath: dc.AbortPath(); break;
        case kFillPath: dc.FillPath(); break;
        case kStrokePath: dc.StrokePath(); break;
        case kStrokeAndFillPath: dc.StrokeAndFillPath(); break;
        case kExtSelectClipRgn: {
            uint32_t cb = 0, mode = 0;
            ok = r.U32(8, cb) && r.U32(12, mode) && r.Has(16, cb);
            if (!ok) break;
            std::vector<QRectF> rects;
            uint32_t count = 0;
            if (cb >= 32 && r.U32(24, count) && count <= (cb - 32) / 16) {
                for (uint32_t i = 0; i < count; ++i) {
                    QRectF box;
                    ReadRect(r, 16 + 32 + size_t(i) * 16, box);
                    rects.push_back(box.normalized());
                }
            }
            dc.SetClipRects(rects, static_cast<int>(mode));
            break;
        }
        case kBitBlt: case kStretchBlt: {
            int32_t x = 0, y = 0, cx = 0, cy = 0, xs = 0, ys = 0, cxs = 0, cys = 0;
            ok = r.I32(24, x) && r.I32(28, y) && r.I32(32, cx) && r.I32(36, cy) && r.I32(44, xs) && r.I32(48, ys);
            if (!ok) break;
            const QImage image = RecordBitmap(r, 84, dc);
            if (type == kStretchBlt && !(r.I32(100, cxs) && r.I32(104, cys))) { ok = false; break; }
            if (type == kBitBlt) { cxs = cx; cys = cy; }
            if (!image.isNull()) dc.Image(QRectF(x, y, cx, cy), image, QRectF(xs, ys, cxs, cys));
            break;
        }
        case kStretchDiBits: case kSetDiBitsToDevice: {
            int32_t x = 0, y = 0, xs = 0, ys = 0, cxs = 0, cys = 0, cx = 0, cy = 0;
            ok = r.I32(24, x) && r.I32(28, y) && r.I32(32, xs) && r.I32(36, ys) && r.I32(40, cxs) && r.I32(44, cys);
            if (!ok) break;
            if (type == kStretchDiBits) ok = r.I32(72, cx) && r.I32(76, cy);
            else { cx = cxs; cy = cys; }
            if (!ok) break;
            const QImage image = RecordBitmap(r, 48, dc);
            if (!image.isNull()) {
                // Source y counts from the bottom row of a bottom-up DIB; whole-image copies are the rule.
                const QRectF source = (cxs > 0 && cys > 0) ? QRectF(xs, image.height() - ys - cys, cxs, cys)
                                                           : QRectF(image.rect());
                dc.Image(QRectF(x, y, cx, cy), image, source);
            }
            break;
        }
        case kExtTextOutW: case kExtTextOutA: {
            QPointF ref;
            uint32_t chars = 0, offString = 0;
            ok = ReadPoint(r, 36, ref) && r.U32(44, chars) && r.U32(48, offString);
            if (!ok) break;
            const size_t each = type == kExtTextOutW ? 2 : 1;
            if (chars > r.Size() || !r.Has(offString, size_t(chars) * each)) { ok = false; break; }
            QString text;
            for (uint32_t i = 0; i < chars; ++i) {
                if (each == 2) {
                    uint16_t ch = 0;
                    r.U16(offString + i * 2, ch);
                    text.append(QChar(ch));
                } else {
                    uint8_t ch = 0;
                    r.U8(offString + i, ch);
                    text.append(QChar::fromLatin1(static_cast<char>(ch)));
                }
            }
            dc.Text(ref, text, true);
            break;
        }
        default:
            break; // records that change nothing we draw
        }
        if (!ok) return false;
    }
    return false; // no end-of-file record: the file was cut short
}
