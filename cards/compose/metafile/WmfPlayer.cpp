// The WMF record walk: parameters are 16-bit words, many of them in reverse order, all bounds-checked.
#include "WmfPlayer.h"

#include "DibImage.h"
#include "GdiContext.h"
#include "MetaBytes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

enum : uint16_t {
    kEof = 0x0000, kSetBkColour = 0x0201, kSetBkMode = 0x0102, kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106, kSetTextColour = 0x0209, kSetTextAlign = 0x012E, kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C, kSetViewportOrg = 0x020D, kSetViewportExt = 0x020E, kLineTo = 0x0213, kMoveTo = 0x0214, kIntersectClipRect = 0x0416,
    kArc = 0x0817, kEllipse = 0x0418, kPie = 0x081A, kChord = 0x0830, kRectangle = 0x041B,
    kRoundRect = 0x061C, kSetPixel = 0x041F, kSaveDc = 0x001E, kRestoreDc = 0x0127, kPolygon = 0x0324,
    kPolyline = 0x0325, kPolyPolygon = 0x0538, kTextOut = 0x0521, kExtTextOut = 0x0A32,
    kSelectObject = 0x012D, kDeleteObject = 0x01F0, kCreatePen = 0x02FA, kCreateBrush = 0x02FC,
    kCreateFont = 0x02FB, kCreatePalette = 0x00F7, kCreatePatternBrush = 0x01F9, kCreateRegion = 0x06FF,
    kDibCreatePatternBrush = 0x0142, kStretchDib = 0x0F43, kDibStretchBlt = 0x0B41, kDibBitBlt = 0x0940,
};

QColor ColourRef(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Reads n 16-bit signed parameters starting at byte 6 of the record.
bool Params(const MetaBytes& r, int n, int16_t* out)
{
    for (int i = 0; i < n; ++i)
        if (!r.I16(6 + 2 * i, out[i])) return false;
    return true;
}

bool ReadPoints(const MetaBytes& r, size_t offset, size_t count, std::vector<QPointF>& out)
{
    if (count > r.Size() / 4 || !r.Has(offset, count * 4)) return false;
    out.resize(count);
    for (size_t i = 0; i < count; ++i) {
        int16_t x = 0, y = 0;
        r.I16(offset + i * 4, x);
        r.I16(offset + i * 4 + 2, y);
        out[i] = QPointF(x, y);
    }
    return true;
}

double BoxAngle(const QRectF& box, QPointF p)
{
    const QPointF c = box.center();
    const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / M_PI;
}

QString Latin1(const MetaBytes& r, size_t offset, size_t count)
{
    QString text;
    for (size_t i = 0; i < count; ++i) {
        uint8_t ch = 0;
        if (!r.U8(offset + i, ch)) break;
        text.append(QChar::fromLatin1(static_cast<char>(ch)));
    }
    return text;
}

} // namespace

bool WmfPlayer::Load(const QByteArray& bytes)
{
    mBytes.clear();
    const MetaBytes all(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    uint32_t key = 0;
    size_t header = 0;
    bool placeable = false;
    if (all.U32(0, key) && key == 0x9AC6CDD7) {
        int16_t l = 0, t = 0, rr = 0, b = 0;
        uint16_t inch = 0;
        if (!all.I16(6, l) || !all.I16(8, t) || !all.I16(10, rr) || !all.I16(12, b) || !all.U16(14, inch))
            return false;
        if (inch == 0) return false;
        mBox = QRectF(QPointF(l, t), QPointF(rr, b)).normalized();
        mUnitsPerInch = inch;
        header = 22;
        placeable = true;
    }
    uint16_t type = 0, headerWords = 0;
    if (!all.U16(header, type) || (type != 1 && type != 2) || !all.U16(header + 2, headerWords) || headerWords != 9)
        return false;
    mFirstRecord = header + 18;
    mBytes = bytes;
    QRectF window;
    if (!Walk(nullptr, &window)) {
        mBytes.clear();
        return false;
    }
    if (!placeable) {
        // A plain metafile has no size of its own: its window is taken as twips.
        mBox = window;
        mUnitsPerInch = 1440;
    }
    if (mBox.width() <= 0 || mBox.height() <= 0) {
        mBytes.clear();
        return false;
    }
    return true;
}

QSizeF WmfPlayer::SizeTwips() const
{
    return QSizeF(mBox.width() * 1440.0 / mUnitsPerInch, mBox.height() * 1440.0 / mUnitsPerInch);
}

void WmfPlayer::Play(QPainter& painter, const QRectF& target) const
{
    if (!IsValid()) return;
    painter.save();
    const QTransform base = painter.transform();
    const QTransform fit = QTransform::fromTranslate(-mBox.left(), -mBox.top()) *
                           QTransform::fromScale(target.width() / mBox.width(), target.height() / mBox.height()) *
                           QTransform::fromTranslate(target.left(), target.top());
    GdiContext dc(&painter);
    dc.SetDeviceTransform(fit * base);
    Walk(&dc, nullptr);
    painter.restore();
}

bool WmfPlayer::Walk(GdiContext* target, QRectF* windowSeen) const
{
    GdiContext scratch(nullptr);
    GdiContext& dc = target ? *target : scratch;
    // The file's window is mapped onto the picture box, as a placeable metafile is played into a rectangle.
    dc.SetMapMode(8);
    dc.SetViewportOrg(mBox.left(), mBox.top());
    dc.SetViewportExt(mBox.width() > 0 ? mBox.width() : 1, mBox.height() > 0 ? mBox.height() : 1);
    dc.SetWindowOrg(mBox.left(), mBox.top());
    dc.SetWindowExt(mBox.width() > 0 ? mBox.width() : 1, mBox.height() > 0 ? mBox.height() : 1);
    QPointF windowOrg = mBox.topLeft();

    const MetaBytes all(reinterpret_cast<const uint8_t*>(mBytes.constData()), static_cast<size_t>(mBytes.size()));
    size_t offset = mFirstRecord;
    size_t records = 0;
    std::vector<QPointF> points;
    while (offset < all.Size()) {
        uint32_t words = 0;
        uint16_t function = 0;
        if (!all.U32(offset, words) || !all.U16(offset + 4, function)) return false;
        if (words < 3 || words > all.Size() / 2 || !all.Has(offset, size_t(words) * 2)) return false;
        if (++records > kMaxRecords) return false;
        const MetaBytes r = all.Slice(offset, size_t(words) * 2);
        offset += size_t(words) * 2;
        int16_t p[10] = {};
        bool ok = true;
        switch (function) {
        case kEof:
            return true;
        case kSetBkColour: case kSetTextColour: {
            uint32_t c = 0;
            ok = r.U32(6, c);
            if (!ok) break;
            if (function == kSetBkColour) dc.SetBkColour(ColourRef(c));
            else dc.SetTextColour(ColourRef(c));
            break;
        }
        case kSetBkMode: case kSetPolyFillMode: case kSetTextAlign: case kSetMapMode:
        case kSelectObject: case kDeleteObject: case kRestoreDc: {
            ok = Params(r, 1, p);
            if (!ok) break;
            const uint16_t v = static_cast<uint16_t>(p[0]);
            if (function == kSetBkMode) dc.SetBkMode(v);
            else if (function == kSetPolyFillMode) dc.SetPolyFillMode(v);
            else if (function == kSetTextAlign) dc.SetTextAlign(v);
            else if (function == kSelectObject) dc.SelectObject(v);
            else if (function == kDeleteObject) dc.DeleteObject(v);
            else if (function == kRestoreDc) dc.RestoreDc(p[0]);
            break; // the mapping mode stays anisotropic: the box decides the size
        }
        case kSaveDc: dc.SaveDc(); break;
        case kSetViewportOrg: case kSetViewportExt: {
            // Device units are the picture box's own: the viewport moves or squeezes the
            // drawing inside the box, which is then fitted to the target as a whole.
            ok = Params(r, 2, p);
            if (!ok) break;
            if (function == kSetViewportOrg) dc.SetViewportOrg(p[1], p[0]);
            else dc.SetViewportExt(p[1], p[0]);
            break;
        }
        case kSetWindowOrg: case kSetWindowExt: case kMoveTo: case kLineTo: {
            ok = Params(r, 2, p);
            if (!ok) break;
            const QPointF v(p[1], p[0]);
            if (function == kSetWindowOrg) {
                dc.SetWindowOrg(v.x(), v.y());
                windowOrg = v;
            } else if (function == kSetWindowExt) {
                dc.SetWindowExt(v.x(), v.y());
                if (windowSeen) *windowSeen = QRectF(windowOrg, QSizeF(v.x(), v.y())).normalized();
            } else if (function == kMoveTo) dc.MoveTo(v);
            else dc.LineTo(v);
            break;
        }
        case kSetPixel: {
            uint32_t c = 0;
            ok = r.U32(6, c) && r.I16(10, p[0]) && r.I16(12, p[1]);
            if (ok) dc.FillRectDevice(QRectF(p[1], p[0], 1, 1), ColourRef(c));
            break;
        }
        case kRectangle: case kEllipse: case kIntersectClipRect: {
            ok = Params(r, 4, p);
            if (!ok) break;
            const QRectF box = QRectF(QPointF(p[3], p[2]), QPointF(p[1], p[0])).normalized();
            if (function == kIntersectClipRect) { dc.IntersectClipRect(box); break; }
            QPainterPath path;
            if (function == kEllipse) path.addEllipse(box);
            else path.addRect(box);
            dc.Shape(path, true);
            break;
        }
        case kRoundRect: {
            ok = Params(r, 6, p);
            if (!ok) break;
            QPainterPath path;
            path.addRoundedRect(QRectF(QPointF(p[5], p[4]), QPointF(p[3], p[2])).normalized(), std::abs(p[1]) / 2.0,
                                std::abs(p[0]) / 2.0);
            dc.Shape(path, true);
            break;
        }
        case kArc: case kPie: case kChord: {
            ok = Params(r, 8, p);
            if (!ok) break;
            const QRectF box = QRectF(QPointF(p[7], p[6]), QPointF(p[5], p[4])).normalized();
            const double a0 = BoxAngle(box, QPointF(p[3], p[2]));
            double sweep = BoxAngle(box, QPointF(p[1], p[0])) - a0;
            while (sweep <= 0) sweep += 360;
            QPainterPath path;
            if (function == kPie) path.moveTo(box.center());
            else path.arcMoveTo(box, a0);
            path.arcTo(box, a0, sweep);
            if (function != kArc) path.closeSubpath();
            dc.Shape(path, function != kArc);
            break;
        }
        case kPolygon: case kPolyline: {
            ok = Params(r, 1, p) && p[0] >= 0 && ReadPoints(r, 8, size_t(p[0]), points);
            if (!ok) break;
            if (function == kPolygon) dc.Polygon(points);
            else dc.Polyline(points);
            break;
        }
        case kPolyPolygon: {
            uint16_t polys = 0;
            ok = r.U16(6, polys) && r.Has(8, size_t(polys) * 2);
            if (!ok) break;
            size_t at = 8 + size_t(polys) * 2;
            QPainterPath logical;
            for (uint16_t i = 0; i < polys && ok; ++i) {
                uint16_t n = 0;
                r.U16(8 + i * 2, n);
                ok = ReadPoints(r, at, n, points);
                at += size_t(n) * 4;
                if (!ok || n < 2) continue;
                logical.moveTo(points[0]);
                for (size_t k = 1; k < points.size(); ++k) logical.lineTo(points[k]);
                logical.closeSubpath();
            }
            if (ok) dc.Shape(logical, true);
            break;
        }
        case kCreatePen: {
            uint16_t style = 0;
            uint32_t c = 0;
            ok = r.U16(6, style) && r.I16(8, p[0]) && r.U32(12, c);
            if (ok) dc.CreateObject(dc.FirstFreeSlot(), GdiPen{style, double(std::abs(p[0])), ColourRef(c)});
            break;
        }
        case kCreateBrush: {
            uint16_t style = 0, hatch = 0;
            uint32_t c = 0;
            ok = r.U16(6, style) && r.U32(8, c) && r.U16(12, hatch);
            if (ok) dc.CreateObject(dc.FirstFreeSlot(), GdiBrush{style, ColourRef(c), hatch, {}});
            break;
        }
        case kCreateFont: {
            int16_t height = 0, escapement = 0, weight = 0;
            uint8_t italic = 0, underline = 0, strike = 0;
            ok = r.I16(6, height) && r.I16(10, escapement) && r.I16(14, weight) && r.U8(16, italic) &&
                 r.U8(17, underline) && r.U8(18, strike);
            if (!ok) break;
            GdiFont font;
            font.height = height;
            font.escapement = escapement;
            font.weight = weight;
            font.italic = italic;
            font.underline = underline;
            font.strikeOut = strike;
            for (size_t i = 0; i < 32; ++i) {
                uint8_t ch = 0;
                if (!r.U8(24 + i, ch) || ch == 0) break;
                font.face.append(QChar::fromLatin1(static_cast<char>(ch)));
            }
            dc.CreateObject(dc.FirstFreeSlot(), font);
            break;
        }
        case kDibCreatePatternBrush: {
            const MetaBytes packed = r.Slice(10, r.Size() > 10 ? r.Size() - 10 : 0);
            const QImage pattern = dc.Painting() && dc.TakePixels(DibImage::PixelCount(packed))
                                       ? DibImage::DecodePacked(packed)
                                       : QImage();
            dc.CreateObject(dc.FirstFreeSlot(), GdiBrush{5, QColor(128, 128, 128), 0, pattern});
            break;
        }
        case kCreatePalette: case kCreatePatternBrush: case kCreateRegion:
            dc.CreateObject(dc.FirstFreeSlot(), GdiOther{});
            break;
        case kTextOut: {
            ok = Params(r, 1, p) && p[0] >= 0;
            if (!ok) break;
            const size_t count = size_t(p[0]);
            const size_t after = 8 + ((count + 1) & ~size_t(1));
            ok = r.Has(8, count) && r.I16(after, p[1]) && r.I16(after + 2, p[2]);
            if (ok) dc.Text(QPointF(p[2], p[1]), Latin1(r, 8, count), true);
            break;
        }
        case kExtTextOut: {
            uint16_t options = 0;
            ok = Params(r, 3, p) && r.U16(12, options) && p[2] >= 0;
            if (!ok) break;
            const size_t at = (options & 0x0006) ? 22 : 14;
            const size_t count = size_t(p[2]);
            ok = r.Has(at, count);
            if (ok) dc.Text(QPointF(p[1], p[0]), Latin1(r, at, count), true);
            break;
        }
        case kStretchDib: case kDibStretchBlt: case kDibBitBlt: {
            // Parameters after the raster operation, then the packed bitmap.
            const size_t first = function == kStretchDib ? 12 : 10;
            const int n = function == kDibBitBlt ? 6 : 8;
            for (int i = 0; i < n && ok; ++i) ok = r.I16(first + 2 * i, p[i]);
            if (!ok) break;
            const size_t dibAt = first + 2 * n;
            if (r.Size() <= dibAt) break; // a pattern fill without a bitmap draws nothing here
            const MetaBytes packed = r.Slice(dibAt, r.Size() - dibAt);
            if (!dc.Painting() || !dc.TakePixels(DibImage::PixelCount(packed))) break;
            const QImage image = DibImage::DecodePacked(packed);
            if (image.isNull()) break;
            if (function == kDibBitBlt) {
                // ySrc, xSrc, height, width, yDest, xDest
                dc.Image(QRectF(p[5], p[4], p[3], p[2]), image, QRectF(p[1], p[0], p[3], p[2]));
            } else {
                // srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest
                const QRectF source = (p[1] > 0 && p[0] > 0) ? QRectF(p[3], image.height() - p[2] - p[0], p[1], p[0])
                                                             : QRectF(image.rect());
                dc.Image(QRectF(p[7], p[6], p[5], p[4]), image, source);
            }
            break;
        }
        default:
            break;
        }
        if (!ok) return false;
    }
    return false; // no end-of-file record: the file was cut short
}
