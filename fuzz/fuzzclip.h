// Shared body of the clip-art picture fuzz targets: load the bytes as one kind, then paint them.
#pragma once

#include "metafile/ClipPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace fuzzclip {

inline int Init(int* argc, char*** argv)
{
    // Text records need the font system, which needs the application object.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

inline int Run(const uint8_t* data, size_t size, ClipPicture::Kind kind)
{
    ClipPicture picture;
    if (!picture.LoadBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), kind)) return 0;
    QImage image(48, 36, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Paint(painter, QRectF(0, 0, 48, 36));
    (void)picture.SizeTwips(15, 15);
    return 0;
}

} // namespace fuzzclip
