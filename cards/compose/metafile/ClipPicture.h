// One clip-art picture from a file: an enhanced metafile, a metafile or a device-independent bitmap.
#pragma once

#include "EmfPlayer.h"
#include "WmfPlayer.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

class ClipPicture {
public:
    enum class Kind { None, Emf, Wmf, Dib };

    // Files bigger than this are not clip art.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    // Reads the file as the kind its extension names (".emf", ".wmf", ".dib", any case).
    // False, and the picture stays empty, for a missing, unreadable or damaged file.
    bool LoadFile(const QString& path);
    bool LoadBytes(const QByteArray& bytes, Kind kind);

    bool IsNull() const { return mKind == Kind::None; }
    Kind GetKind() const { return mKind; }
    // Natural size in twips; a bitmap's pixels count at the screen's twips per pixel.
    QSizeF SizeTwips(double twipsPerPixelX, double twipsPerPixelY) const;
    // Paints the whole picture scaled into `target` (painter units).
    void Paint(QPainter& painter, const QRectF& target) const;

private:
    Kind mKind = Kind::None;
    EmfPlayer mEmf;
    WmfPlayer mWmf;
    QImage mImage;
};
