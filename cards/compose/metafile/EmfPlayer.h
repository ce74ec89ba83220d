// Enhanced metafiles: checks every record once when loaded, then replays them onto a QPainter.
#pragma once

#include <QByteArray>
#include <QRectF>

class GdiContext;
class QPainter;

class EmfPlayer {
public:
    // Records beyond this count mark a hostile file rather than clip art.
    static constexpr size_t kMaxRecords = 2000000;

    // False (and nothing kept) unless the bytes are an enhanced metafile whose records all fit.
    bool Load(const QByteArray& bytes);
    bool IsValid() const { return !mBytes.isEmpty(); }
    // The picture frame in 0.01 mm, as the header gives it.
    QRectF Frame() const { return mFrame; }
    // Natural size in twips (1/1440 inch).
    QSizeF SizeTwips() const;
    // Plays the picture so that its frame fills `target` (painter units).
    void Play(QPainter& painter, const QRectF& target) const;

private:
    bool Walk(GdiContext& dc) const;

    QByteArray mBytes;
    QRectF mFrame;
    QRectF mFramePixels;
    double mPxPerMmX = 0;
    double mPxPerMmY = 0;
};
