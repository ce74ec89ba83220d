// GDI semantics on a QPainter: mapping modes, the object table, save/restore, path brackets, clipping.
#include "GdiContext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

// Drawing anything larger than this (in target pixels) is a hostile file, not a picture.
constexpr double kMaxExtent = 1e7;
// Dash patterns along huge outlines take the raster engine minutes; such outlines draw solid.
constexpr double kMaxDashedExtent = 20000;
constexpr size_t kMaxSavedStates = 1024;

bool Sane(const QRectF& r)
{
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.width()) &&
           std::isfinite(r.height()) && std::abs(r.left()) < kMaxExtent && std::abs(r.top()) < kMaxExtent &&
           r.width() < 2 * kMaxExtent && r.height() < 2 * kMaxExtent;
}

Qt::PenStyle DashStyle(uint32_t style)
{
    switch (style & 0x0F) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle HatchStyle(uint32_t hatch)
{
    switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
    }
}

double Clamp(double v, double limit)
{
    if (!std::isfinite(v)) return 0;
    return std::max(-limit, std::min(limit, v));
}

} // namespace

GdiContext::GdiContext(QPainter* painter) : mPainter(painter) {}

void GdiContext::SetDeviceResolution(double pixelsPerMmX, double pixelsPerMmY)
{
    if (pixelsPerMmX > 0 && pixelsPerMmY > 0 && std::isfinite(pixelsPerMmX) && std::isfinite(pixelsPerMmY)) {
        mPxPerMmX = pixelsPerMmX;
        mPxPerMmY = pixelsPerMmY;
    }
}

bool GdiContext::CreateObject(size_t index, GdiObject object)
{
    if (index >= kMaxObjects) return false;
    if (index >= mObjects.size()) mObjects.resize(index + 1);
    mObjects[index] = std::move(object);
    return true;
}

size_t GdiContext::FirstFreeSlot() const
{
    for (size_t i = 0; i < mObjects.size(); ++i)
        if (std::holds_alternative<std::monostate>(mObjects[i])) return i;
    return mObjects.size();
}

bool GdiContext::SelectObject(size_t index)
{
    if (index >= mObjects.size()) return false;
    const GdiObject& object = mObjects[index];
    if (auto pen = std::get_if<GdiPen>(&object)) mState.pen = *pen;
    else if (auto brush = std::get_if<GdiBrush>(&object)) mState.brush = *brush;
    else if (auto font = std::get_if<GdiFont>(&object)) mState.font = *font;
    else if (std::holds_alternative<GdiOther>(object)) return true;
    else return false;
    return true;
}

void GdiContext::SelectStock(uint32_t stock)
{
    switch (stock & 0x7FFFFFFF) {
    case 0: mState.brush = {0, QColor(255, 255, 255), 0, {}}; break;
    case 1: mState.brush = {0, QColor(192, 192, 192), 0, {}}; break;
    case 2: mState.brush = {0, QColor(128, 128, 128), 0, {}}; break;
    case 3: mState.brush = {0, QColor(64, 64, 64), 0, {}}; break;
    case 4: mState.brush = {0, QColor(0, 0, 0), 0, {}}; break;
    case 5: mState.brush = {1, Qt::black, 0, {}}; break;
    case 6: mState.pen = {0, 0, QColor(255, 255, 255)}; break;
    case 7: mState.pen = {0, 0, QColor(0, 0, 0)}; break;
    case 8: mState.pen = {5, 0, Qt::black}; break;
    default:
        if ((stock & 0x7FFFFFFF) >= 10 && (stock & 0x7FFFFFFF) <= 17) mState.font = GdiFont{};
        break;
    }
}

bool GdiContext::DeleteObject(size_t index)
{
    if (index >= mObjects.size()) return false;
    mObjects[index] = std::monostate{};
    return true;
}

void GdiContext::SaveDc()
{
    if (mSaved.size() < kMaxSavedStates) mSaved.push_back(mState);
}

void GdiContext::RestoreDc(int which)
{
    // Negative counts back from the newest save; positive names a save by its number.
    size_t keep;
    if (which < 0) {
        const size_t back = static_cast<size_t>(-static_cast<int64_t>(which));
        if (back > mSaved.size()) return;
        keep = mSaved.size() - back;
    } else {
        if (which == 0 || static_cast<size_t>(which) > mSaved.size()) return;
        keep = static_cast<size_t>(which) - 1;
    }
    mState = mSaved[keep];
    mSaved.resize(keep);
}

void GdiContext::SetWindowExt(double x, double y)
{
    if (x != 0 && y != 0) mState.windowExt = {x, y};
}

void GdiContext::SetViewportExt(double x, double y)
{
    if (x != 0 && y != 0) mState.viewportExt = {x, y};
}

void GdiContext::ModifyWorldTransform(const QTransform& t, uint32_t mode)
{
    switch (mode) {
    case 1: mState.world = QTransform(); break;            // identity
    case 2: mState.world = t * mState.world; break;        // left multiply
    case 3: mState.world = mState.world * t; break;        // right multiply
    case 4: mState.world = t; break;                       // set
    default: break;
    }
    const QTransform& w = mState.world;
    mState.world = QTransform(Clamp(w.m11(), 1e6), Clamp(w.m12(), 1e6), Clamp(w.m21(), 1e6),
                              Clamp(w.m22(), 1e6), Clamp(w.dx(), 1e9), Clamp(w.dy(), 1e9));
}

QTransform GdiContext::LogicalToDevice() const
{
    double sx = 1, sy = 1;
    const double mm = 1.0;
    switch (mState.mapMode) {
    case 2: sx = 0.1 * mm * mPxPerMmX; sy = -0.1 * mPxPerMmY; break;            // MM_LOMETRIC
    case 3: sx = 0.01 * mPxPerMmX; sy = -0.01 * mPxPerMmY; break;               // MM_HIMETRIC
    case 4: sx = 0.254 * mPxPerMmX; sy = -0.254 * mPxPerMmY; break;             // MM_LOENGLISH
    case 5: sx = 0.0254 * mPxPerMmX; sy = -0.0254 * mPxPerMmY; break;           // MM_HIENGLISH
    case 6: sx = 25.4 / 1440 * mPxPerMmX; sy = -25.4 / 1440 * mPxPerMmY; break; // MM_TWIPS
    case 7: {                                                                   // MM_ISOTROPIC
        sx = mState.viewportExt.x() / mState.windowExt.x();
        sy = mState.viewportExt.y() / mState.windowExt.y();
        const double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
        break;
    }
    case 8: // MM_ANISOTROPIC
        sx = mState.viewportExt.x() / mState.windowExt.x();
        sy = mState.viewportExt.y() / mState.windowExt.y();
        break;
    default: break; // MM_TEXT
    }
    sx = Clamp(sx, 1e6);
    sy = Clamp(sy, 1e6);
    const QTransform page = QTransform::fromTranslate(-mState.windowOrg.x(), -mState.windowOrg.y()) *
                            QTransform::fromScale(sx, sy) *
                            QTransform::fromTranslate(mState.viewportOrg.x(), mState.viewportOrg.y());
    return mState.world * page;
}

double GdiContext::PenScale() const
{
    const QTransform t = LogicalToDevice();
    const double det = std::abs(t.m11() * t.m22() - t.m12() * t.m21());
    return std::sqrt(det);
}

void GdiContext::MoveTo(QPointF p)
{
    mState.position = p;
    if (mState.pathOpen) mPathActive = false;
}

void GdiContext::BeginPath()
{
    mPath = QPainterPath();
    mState.pathOpen = true;
    mPathActive = false;
}

void GdiContext::AbortPath()
{
    mPath = QPainterPath();
    mState.pathOpen = false;
    mPathActive = false;
}

void GdiContext::CloseFigure()
{
    if (mState.pathOpen && mPathActive) {
        mPath.closeSubpath();
        mPathActive = false;
    }
}

void GdiContext::LineTo(QPointF p) { PolylineTo({p}); }

void GdiContext::PolylineTo(const std::vector<QPointF>& points)
{
    if (points.empty()) return;
    const QTransform t = LogicalToDevice();
    if (mState.pathOpen) {
        if (!mPathActive) mPath.moveTo(t.map(mState.position));
        for (const QPointF& p : points) mPath.lineTo(t.map(p));
        mPathActive = true;
    } else {
        QPainterPath path(t.map(mState.position));
        for (const QPointF& p : points) path.lineTo(t.map(p));
        Draw(path, false, true);
    }
    mState.position = points.back();
}

void GdiContext::PolyBezierTo(const std::vector<QPointF>& points)
{
    const size_t whole = points.size() / 3 * 3;
    if (whole == 0) return;
    const QTransform t = LogicalToDevice();
    QPainterPath local(t.map(mState.position));
    for (size_t i = 0; i < whole; i += 3) local.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
    if (mState.pathOpen) {
        if (!mPathActive) mPath.moveTo(t.map(mState.position));
        for (size_t i = 0; i < whole; i += 3)
            mPath.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
        mPathActive = true;
    } else {
        Draw(local, false, true);
    }
    mState.position = points[whole - 1];
}

void GdiContext::Polyline(const std::vector<QPointF>& points)
{
    if (points.size() < 2) return;
    const QTransform t = LogicalToDevice();
    QPainterPath path(t.map(points[0]));
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(t.map(points[i]));
    if (mState.pathOpen) AddToPath(path, false);
    else Draw(path, false, true);
}

void GdiContext::PolyBezier(const std::vector<QPointF>& points)
{
    if (points.size() < 4) return;
    const QTransform t = LogicalToDevice();
    QPainterPath path(t.map(points[0]));
    for (size_t i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
    if (mState.pathOpen) AddToPath(path, false);
    else Draw(path, false, true);
}

void GdiContext::Polygon(const std::vector<QPointF>& points)
{
    if (points.size() < 2) return;
    const QTransform t = LogicalToDevice();
    QPainterPath path(t.map(points[0]));
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(t.map(points[i]));
    path.closeSubpath();
    if (mState.pathOpen) AddToPath(path, false);
    else Draw(path, true, true);
}

void GdiContext::Shape(const QPainterPath& logical, bool closed)
{
    const QPainterPath path = LogicalToDevice().map(logical);
    if (mState.pathOpen) AddToPath(path, false);
    else Draw(path, closed, true);
}

void GdiContext::AddToPath(const QPainterPath& device, bool)
{
    mPath.addPath(device);
    mPathActive = false;
}

void GdiContext::FillPath()
{
    Draw(mPath, true, false);
    mPath = QPainterPath();
}

void GdiContext::StrokePath()
{
    Draw(mPath, false, true);
    mPath = QPainterPath();
}

void GdiContext::StrokeAndFillPath()
{
    Draw(mPath, true, true);
    mPath = QPainterPath();
}

void GdiContext::SelectClipPath(int mode)
{
    QPainterPath path = mPath;
    path.setFillRule(mState.winding ? Qt::WindingFill : Qt::OddEvenFill);
    mPath = QPainterPath();
    if (!Sane(path.controlPointRect())) return;
    if (mode == 5 || !mState.clip) { // RGN_COPY, or nothing to combine with
        if (mode == 5 || mode == 1 || mode == 2) mState.clip = path;
        return;
    }
    switch (mode) {
    case 1: mState.clip = mState.clip->intersected(path); break;
    case 2: mState.clip = mState.clip->united(path); break;
    case 3: mState.clip = mState.clip->subtracted(path).united(path.subtracted(*mState.clip)); break;
    case 4: mState.clip = mState.clip->subtracted(path); break;
    default: break;
    }
}

void GdiContext::IntersectClipRect(const QRectF& logical)
{
    QPainterPath path;
    path.addPolygon(LogicalToDevice().map(QPolygonF(logical.normalized())));
    path.closeSubpath();
    if (!Sane(path.controlPointRect())) return;
    mState.clip = mState.clip ? mState.clip->intersected(path) : path;
}

void GdiContext::SetClipRects(const std::vector<QRectF>& deviceRects, int mode)
{
    if (deviceRects.empty()) {
        if (mode == 5) mState.clip.reset();
        return;
    }
    QPainterPath path;
    for (const QRectF& r : deviceRects)
        if (Sane(r)) path.addRect(r);
    if (mode == 5 || !mState.clip) mState.clip = path;
    else if (mode == 1) mState.clip = mState.clip->intersected(path);
    else if (mode == 2) mState.clip = mState.clip->united(path);
    else if (mode == 4) mState.clip = mState.clip->subtracted(path);
}

void GdiContext::ApplyClip()
{
    mPainter->setTransform(mDeviceToTarget);
    if (mState.clip) mPainter->setClipPath(*mState.clip);
    else mPainter->setClipping(false);
}

void GdiContext::Draw(const QPainterPath& device, bool fill, bool stroke)
{
    if (!mPainter || device.isEmpty()) return;
    const QRectF bounds = device.controlPointRect();
    if (!Sane(bounds) || !Sane(mDeviceToTarget.mapRect(bounds))) return;
    ApplyClip();
    QPainterPath path = device;
    path.setFillRule(mState.winding ? Qt::WindingFill : Qt::OddEvenFill);
    if (fill && mState.brush.style != 1) {
        QBrush brush(mState.brush.colour);
        if (mState.brush.style == 2) {
            brush.setStyle(HatchStyle(mState.brush.hatch));
            if (mState.opaqueBackground) mPainter->fillPath(path, mState.bkColour);
        } else if ((mState.brush.style == 3 || mState.brush.style == 5) && !mState.brush.pattern.isNull()) {
            brush = QBrush(mState.brush.pattern);
        }
        mPainter->fillPath(path, brush);
    }
    const Qt::PenStyle style = DashStyle(mState.pen.style);
    if (stroke && style != Qt::NoPen) {
        QPen pen(mState.pen.colour);
        const double width = mState.pen.width * PenScale();
        // A width under one device pixel is a hairline, as GDI draws it.
        pen.setWidthF(width < 1.0 ? 0.0 : std::min(width, 1e5));
        const double extent = std::max(mDeviceToTarget.mapRect(bounds).width(), mDeviceToTarget.mapRect(bounds).height());
        pen.setStyle(extent > kMaxDashedExtent ? Qt::SolidLine : style);
        switch (mState.pen.style & 0x0F00) {
        case 0x0100: pen.setCapStyle(Qt::SquareCap); break;
        case 0x0200: pen.setCapStyle(Qt::FlatCap); break;
        default: pen.setCapStyle(Qt::RoundCap); break;
        }
        switch (mState.pen.style & 0xF000) {
        case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
        case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
        default: pen.setJoinStyle(Qt::RoundJoin); break;
        }
        mPainter->strokePath(path, pen);
    }
}

void GdiContext::Text(QPointF reference, const QString& text, bool useCurrentPosition)
{
    const bool updateCp = (mState.textAlign & 1) != 0;
    if (updateCp && useCurrentPosition) reference = mState.position;
    if (!mPainter || text.isEmpty()) return;
    const QTransform t = LogicalToDevice();
    const QPointF anchor = t.map(reference);
    const double h = std::abs(mState.font.height);
    const double scaleLen = std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    double em = (mState.font.height < 0 ? h : h / 1.17) * scaleLen;
    if (em <= 0) em = 12 * scaleLen;
    if (!std::isfinite(em) || em > 1e5 || text.size() > 4096) return;
    const QRectF probe(anchor, QSizeF(em, em));
    if (!Sane(mDeviceToTarget.mapRect(probe))) return;

    // Glyphs are laid out at 100 pixels and scaled, so tiny logical units keep their shape.
    QFont font(mState.font.face.isEmpty() ? QStringLiteral("DejaVu Sans") : mState.font.face);
    font.setPixelSize(100);
    font.setWeight(mState.font.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(mState.font.italic);
    font.setUnderline(mState.font.underline);
    font.setStrikeOut(mState.font.strikeOut);
    const QFontMetricsF metrics(font);
    const double k = em / 100.0;
    double x = 0;
    double y = 0;
    const double width = metrics.horizontalAdvance(text);
    switch (mState.textAlign & 6) {
    case 6: x = -width / 2; break; // TA_CENTER
    case 2: x = -width; break;     // TA_RIGHT
    default: break;
    }
    switch (mState.textAlign & 24) {
    case 24: break;                          // TA_BASELINE
    case 8: y = -metrics.descent(); break;   // TA_BOTTOM
    default: y = metrics.ascent(); break;    // TA_TOP
    }
    QTransform glyphs = QTransform::fromScale(k, k);
    glyphs.rotate(-mState.font.escapement / 10.0);
    glyphs *= QTransform::fromTranslate(anchor.x(), anchor.y());
    ApplyClip();
    mPainter->setTransform(glyphs * mDeviceToTarget);
    mPainter->setFont(font);
    if (mState.opaqueBackground)
        mPainter->fillRect(QRectF(x, y - metrics.ascent(), width, metrics.height()), mState.bkColour);
    mPainter->setPen(mState.textColour);
    mPainter->drawText(QPointF(x, y), text);
    if (updateCp) mState.position = reference + QPointF(width * k / std::max(scaleLen, 1e-9), 0);
}

void GdiContext::Image(const QRectF& destLogical, const QImage& image, const QRectF& source)
{
    if (!mPainter || image.isNull()) return;
    const QTransform t = LogicalToDevice();
    const QRectF dest = destLogical.normalized();
    if (!Sane(mDeviceToTarget.mapRect(t.mapRect(dest)))) return;
    ApplyClip();
    mPainter->setTransform(t * mDeviceToTarget);
    mPainter->drawImage(dest, image, source.isValid() ? source : QRectF(image.rect()));
}

void GdiContext::FillRectDevice(const QRectF& logical, QColor colour)
{
    if (!mPainter) return;
    QPainterPath path;
    path.addPolygon(LogicalToDevice().map(QPolygonF(logical.normalized())));
    if (!Sane(mDeviceToTarget.mapRect(path.controlPointRect()))) return;
    ApplyClip();
    mPainter->fillPath(path, colour);
}
