// The device context both metafile players draw through: GDI state, objects and paths on a QPainter.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>
#include <variant>
#include <vector>

class QPainter;

struct GdiPen {
    uint32_t style = 0; // PS_* style, cap, join and type bits
    double width = 0;   // logical units; 0 is one device pixel
    QColor colour = Qt::black;
};

struct GdiBrush {
    uint32_t style = 0; // BS_SOLID 0, BS_NULL 1, BS_HATCHED 2, pattern brushes 3 and 5
    QColor colour = Qt::white;
    uint32_t hatch = 0;
    QImage pattern;
};

struct GdiFont {
    double height = -12; // logical units: negative is the em height, positive the cell height
    double escapement = 0; // tenths of a degree
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

// A slot taken by an object that draws nothing here (palettes, regions).
struct GdiOther {};

using GdiObject = std::variant<std::monostate, GdiPen, GdiBrush, GdiFont, GdiOther>;

class GdiContext {
public:
    // The object table is bounded so a hostile index never grows it without end.
    static constexpr size_t kMaxObjects = 65535;

    // painter may be null: the players then only walk and check the records.
    explicit GdiContext(QPainter* painter);

    // Whether this context paints (false while a file is only being checked).
    bool Painting() const { return mPainter != nullptr; }
    // Bitmaps decoded in one playback are bounded, so a file of many huge bitmaps stays quick.
    bool TakePixels(qint64 pixels)
    {
        if (pixels > mPixelBudget) return false;
        mPixelBudget -= pixels;
        return true;
    }

    // Logical picture space after mapping, onto the painter's space.
    void SetDeviceTransform(const QTransform& deviceToTarget) { mDeviceToTarget = deviceToTarget; }
    void SetDeviceResolution(double pixelsPerMmX, double pixelsPerMmY);

    // Objects.
    bool CreateObject(size_t index, GdiObject object);
    size_t FirstFreeSlot() const; // WMF objects take the lowest free slot
    bool SelectObject(size_t index);
    void SelectStock(uint32_t stock);
    bool DeleteObject(size_t index);

    // State.
    void SaveDc();
    void RestoreDc(int relative);
    void SetMapMode(int mode) { mState.mapMode = mode; }
    void SetWindowOrg(double x, double y) { mState.windowOrg = {x, y}; }
    void SetWindowExt(double x, double y);
    void SetViewportOrg(double x, double y) { mState.viewportOrg = {x, y}; }
    void SetViewportExt(double x, double y);
    void SetWorldTransform(const QTransform& t) { mState.world = t; }
    void ModifyWorldTransform(const QTransform& t, uint32_t mode);
    void SetPolyFillMode(int mode) { mState.winding = (mode == 2); }
    void SetArcClockwise(bool clockwise) { mState.arcClockwise = clockwise; }
    bool ArcClockwise() const { return mState.arcClockwise; }
    void SetBkMode(int mode) { mState.opaqueBackground = (mode == 2); }
    void SetBkColour(QColor c) { mState.bkColour = c; }
    void SetTextColour(QColor c) { mState.textColour = c; }
    void SetTextAlign(uint32_t align) { mState.textAlign = align; }
    void MoveTo(QPointF p);
    QPointF CurrentPosition() const { return mState.position; }

    // Drawing: geometry in logical units. In a path bracket it is collected instead of drawn.
    void BeginPath();
    void EndPath() { mState.pathOpen = false; }
    void AbortPath();
    void CloseFigure();
    void LineTo(QPointF p);
    void PolylineTo(const std::vector<QPointF>& points);
    void PolyBezierTo(const std::vector<QPointF>& points);
    void Polyline(const std::vector<QPointF>& points);
    void PolyBezier(const std::vector<QPointF>& points);
    void Polygon(const std::vector<QPointF>& points);
    void Shape(const QPainterPath& logical, bool closed); // rectangles, ellipses, pies ...
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();
    void SelectClipPath(int mode);
    void IntersectClipRect(const QRectF& logical);
    void SetClipRects(const std::vector<QRectF>& deviceRects, int mode); // empty + copy resets
    void Text(QPointF reference, const QString& text, bool useCurrentPosition);
    void Image(const QRectF& destLogical, const QImage& image, const QRectF& source);
    void FillRectDevice(const QRectF& logical, QColor colour);

    // Logical to device (reference-pixel) transform for the current state.
    QTransform LogicalToDevice() const;

private:
    struct State {
        GdiPen pen;
        GdiBrush brush;
        GdiFont font;
        QColor textColour = Qt::black;
        QColor bkColour = Qt::white;
        bool opaqueBackground = true;
        bool winding = false;
        bool arcClockwise = false;
        uint32_t textAlign = 0;
        int mapMode = 1;
        QPointF windowOrg{0, 0};
        QPointF windowExt{1, 1};
        QPointF viewportOrg{0, 0};
        QPointF viewportExt{1, 1};
        QTransform world;
        QPointF position{0, 0};
        std::optional<QPainterPath> clip; // device units
        bool pathOpen = false;
    };

    void Draw(const QPainterPath& device, bool fill, bool stroke);
    void AddToPath(const QPainterPath& device, bool connect);
    void ApplyClip();
    double PenScale() const;

    QPainter* mPainter;
    qint64 mPixelBudget = 64LL * 1024 * 1024;
    QTransform mDeviceToTarget;
    double mPxPerMmX = 96.0 / 25.4;
    double mPxPerMmY = 96.0 / 25.4;
    State mState;
    std::vector<State> mSaved;
    std::vector<GdiObject> mObjects;
    QPainterPath mPath; // device units, the bracket being built or last ended
    bool mPathActive = false;
};
