// Windows metafiles (with or without the placeable header): checked once when loaded, replayed onto a QPainter.
#pragma once

#include <QByteArray>
#include <QRectF>

class GdiContext;
class QPainter;

class WmfPlayer {
public:
    static constexpr size_t kMaxRecords = 2000000;

    // False (and nothing kept) unless the bytes are a metafile whose records all fit and whose
    // size is known (a placeable header, or a window extent for plain files).
    bool Load(const QByteArray& bytes);
    bool IsValid() const { return !mBytes.isEmpty(); }
    // The picture's box in its own logical units, and how many of them make an inch.
    QRectF Box() const { return mBox; }
    double UnitsPerInch() const { return mUnitsPerInch; }
    QSizeF SizeTwips() const;
    void Play(QPainter& painter, const QRectF& target) const;

private:
    bool Walk(GdiContext* dc, QRectF* windowSeen) const;

    QByteArray mBytes;
    size_t mFirstRecord = 0;
    QRectF mBox;
    double mUnitsPerInch = 1440;
};
