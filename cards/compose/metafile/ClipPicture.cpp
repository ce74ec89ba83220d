// Picks the reader by extension; a bitmap is decoded by its content, since Qt reads ".dib" as headerless.
#include "ClipPicture.h"

#include "DibImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cmath>

bool ClipPicture::LoadFile(const QString& path)
{
    *this = ClipPicture();
    const QString suffix = QFileInfo(path).suffix().toLower();
    Kind kind = Kind::None;
    if (suffix == QLatin1String("emf")) kind = Kind::Emf;
    else if (suffix == QLatin1String("wmf")) kind = Kind::Wmf;
    else if (suffix == QLatin1String("dib")) kind = Kind::Dib;
    else return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return false;
    return LoadBytes(file.readAll(), kind);
}

bool ClipPicture::LoadBytes(const QByteArray& bytes, Kind kind)
{
    *this = ClipPicture();
    switch (kind) {
    case Kind::Emf:
        if (!mEmf.Load(bytes)) return false;
        break;
    case Kind::Wmf:
        if (!mWmf.Load(bytes)) return false;
        break;
    case Kind::Dib: {
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        const QSize size = reader.size();
        if (!size.isValid() || size.width() > DibImage::kMaxSide || size.height() > DibImage::kMaxSide) return false;
        QImage image;
        if (!reader.read(&image) || image.isNull()) return false;
        mImage = DibImage::Normalized(image);
        break;
    }
    case Kind::None:
        return false;
    }
    mKind = kind;
    return true;
}

namespace {

// A holder sizes itself to its picture in whole screen pixels and reports those in twips, so a
// metafile's natural size is rounded to the pixel before it counts.
QSizeF WholePixels(const QSizeF& twips, double twipsPerPixelX, double twipsPerPixelY)
{
    if (twipsPerPixelX <= 0.0 || twipsPerPixelY <= 0.0) return twips;
    return QSizeF(std::round(twips.width() / twipsPerPixelX) * twipsPerPixelX,
                  std::round(twips.height() / twipsPerPixelY) * twipsPerPixelY);
}

} // namespace

QSizeF ClipPicture::SizeTwips(double twipsPerPixelX, double twipsPerPixelY) const
{
    switch (mKind) {
    case Kind::Emf: return WholePixels(mEmf.SizeTwips(), twipsPerPixelX, twipsPerPixelY);
    case Kind::Wmf: return WholePixels(mWmf.SizeTwips(), twipsPerPixelX, twipsPerPixelY);
    case Kind::Dib: return QSizeF(mImage.width() * twipsPerPixelX, mImage.height() * twipsPerPixelY);
    case Kind::None: break;
    }
    return {};
}

void ClipPicture::Paint(QPainter& painter, const QRectF& target) const
{
    switch (mKind) {
    case Kind::Emf: mEmf.Play(painter, target); break;
    case Kind::Wmf: mWmf.Play(painter, target); break;
    case Kind::Dib: {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, mImage);
        painter.restore();
        break;
    }
    case Kind::None: break;
    }
}
