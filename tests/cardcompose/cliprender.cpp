// Renders clip-art files through cardwright's own picture reader: one PNG each, or a contact sheet of many.
#include "metafile/ClipPicture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: cliprender OUT.png PICTURE... (several pictures make a contact sheet)\n");
        return 2;
    }
    const QStringList files = args.mid(1);
    const int cell = files.size() == 1 ? 0 : 200;
    const int columns = 8;
    QImage sheet;
    if (cell) {
        const int rows = int((files.size() + columns - 1) / columns);
        sheet = QImage(columns * cell, rows * (cell + 16), QImage::Format_RGB32);
        sheet.fill(QColor(200, 210, 225));
    }
    int failures = 0;
    for (int i = 0; i < files.size(); ++i) {
        ClipPicture picture;
        if (!picture.LoadFile(files[i])) {
            std::fprintf(stderr, "%s: not a picture\n", qPrintable(files[i]));
            ++failures;
            continue;
        }
        const QSizeF twips = picture.SizeTwips(15, 15);
        const QSizeF pixels(twips.width() / 15, twips.height() / 15);
        if (!cell) {
            QImage image(pixels.toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            picture.Paint(painter, QRectF(QPointF(0, 0), pixels));
            painter.end();
            image.save(args[0]);
            std::printf("%s: %.0f x %.0f twips\n", qPrintable(files[i]), twips.width(), twips.height());
            continue;
        }
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        const double k = std::min((cell - 8) / pixels.width(), (cell - 8) / pixels.height());
        const QSizeF size = pixels * k;
        const QRectF box((i % columns) * cell + (cell - size.width()) / 2, (i / columns) * (cell + 16) + 4, size.width(),
                         size.height());
        painter.fillRect(box, Qt::white);
        picture.Paint(painter, box);
        painter.setTransform(QTransform());
        painter.setClipping(false);
        painter.setPen(Qt::black);
        painter.drawText(QRectF((i % columns) * cell, (i / columns) * (cell + 16) + cell - 4, cell, 16), Qt::AlignCenter,
                         QFileInfo(files[i]).fileName());
    }
    if (cell) sheet.save(args[0]);
    return failures ? 1 : 0;
}
