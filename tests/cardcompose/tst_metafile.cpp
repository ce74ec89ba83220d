// The picture reader: libUEMF files against reference drawings, natural sizes, damaged and hostile files,
// and every clip-art file the media generator writes.
#include "UemfFixtures.h"
#include "metafile/ClipPicture.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

QImage Render(const ClipPicture& picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    picture.Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// Share of pixels whose colour differs from the reference by more than a small step.
double Difference(const QImage& a, const QImage& b)
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue()) > 90)
                ++differ;
        }
    return double(differ) / (a.width() * a.height());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class MetafileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;

    QString Path(const char* name) const { return mDir.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(UemfFixtures::WriteEmf(Path("shapes.emf"), 5080, 3810, 400, 300, Qt::white, QColor(200, 0, 0),
                                       QRect(20, 20, 160, 100), QRect(220, 30, 150, 120)));
        QVERIFY(UemfFixtures::WriteWmf(Path("shapes.wmf"), 1200, 900, 600, Qt::white, QColor(0, 120, 0),
                                       QRect(60, 60, 480, 300)));
    }

    // The EMF frame gives the size; the window maps onto it whatever the logical units are.
    void emfMatchesReferenceDrawing()
    {
        ClipPicture picture;
        QVERIFY(picture.LoadFile(Path("shapes.emf")));
        QCOMPARE(picture.GetKind(), ClipPicture::Kind::Emf);
        const QSizeF twips = picture.SizeTwips(15, 15);
        QVERIFY(qAbs(twips.width() - 2880) < 0.5);  // 50.8 mm = 2 inches
        QVERIFY(qAbs(twips.height() - 2160) < 0.5); // 38.1 mm = 1.5 inches
        const QImage actual = Render(picture, QSize(200, 150));

        // The same shapes drawn straight with QPainter, half scale (400 x 300 logical onto 200 x 150).
        QImage reference(200, 150, QImage::Format_RGB32);
        reference.fill(Qt::white);
        QPainter painter(&reference);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 0, 0));
        painter.drawRect(QRectF(10, 10, 80, 50));
        painter.drawEllipse(QRectF(110, 15, 75, 60));
        painter.drawPolygon(QPolygonF({QPointF(150, 93.75), QPointF(175, 131.25), QPointF(125, 131.25)}));
        painter.end();
        QVERIFY2(Difference(actual, reference) < 0.02, "the player's drawing differs from the reference");

        // The comparison can fail: the reference without its ellipse is far off.
        QImage missing(200, 150, QImage::Format_RGB32);
        missing.fill(Qt::white);
        QPainter p2(&missing);
        p2.fillRect(QRectF(10, 10, 80, 50), QColor(200, 0, 0));
        p2.end();
        QVERIFY(Difference(actual, missing) > 0.1);
    }

    void placeableWmfMatchesReferenceDrawing()
    {
        ClipPicture picture;
        QVERIFY(picture.LoadFile(Path("shapes.wmf")));
        const QSizeF twips = picture.SizeTwips(15, 15);
        QVERIFY(qAbs(twips.width() - 2880) < 1);  // 1200 units at 600 to the inch
        QVERIFY(qAbs(twips.height() - 2160) < 1);
        const QImage actual = Render(picture, QSize(240, 180));
        QImage reference(240, 180, QImage::Format_RGB32);
        reference.fill(Qt::white);
        QPainter painter(&reference);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 120, 0));
        painter.drawRect(QRectF(12, 12, 96, 60));
        painter.drawPolygon(QPolygonF({QPointF(180, 112.5), QPointF(210, 157.5), QPointF(150, 157.5)}));
        painter.end();
        QVERIFY2(Difference(actual, reference) < 0.02, "the player's drawing differs from the reference");
    }

    // A viewport set by the file moves the drawing inside the picture's box.
    void wmfViewportPlacesTheWindowInsideTheBox()
    {
        QVERIFY(UemfFixtures::WriteViewportWmf(Path("viewport.wmf"), Qt::red));
        ClipPicture picture;
        QVERIFY(picture.LoadFile(Path("viewport.wmf")));
        const QImage image = Render(picture, QSize(100, 100));
        QCOMPARE(image.pixelColor(75, 50), QColor(Qt::red));
        QVERIFY(image.pixelColor(25, 50) != QColor(Qt::red));
    }

    // World transform, save and restore, pies, rounded rectangles and text from an independent writer.
    void transformsPiesRoundedRectanglesAndText()
    {
        QVERIFY(UemfFixtures::WriteTransformedEmf(Path("transformed.emf")));
        ClipPicture picture;
        QVERIFY(picture.LoadFile(Path("transformed.emf")));
        const QImage image = Render(picture, QSize(192, 96));
        // The pie: scaled by two, moved by ten; only its top-right quarter is filled.
        QCOMPARE(image.pixelColor(40, 20), QColor(Qt::red));
        QCOMPARE(image.pixelColor(20, 40), QColor(Qt::white));
        QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white));
        // Restored: the rounded rectangle is where its own numbers say, its corners cut.
        QCOMPARE(image.pixelColor(85, 35), QColor(Qt::green));
        QCOMPARE(image.pixelColor(61, 11), QColor(Qt::white));
        QCOMPARE(image.pixelColor(62, 35), QColor(Qt::green));
        // The text: blue ink above its baseline, right of its reference point, none below.
        int ink = 0, below = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 115; x < 192; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() > 150 && c.red() < 100) (y <= 41 ? ink : below)++;
            }
        QVERIFY2(ink > 80, qPrintable(QStringLiteral("%1 text pixels").arg(ink)));
        QCOMPARE(below, 0);
    }

    // A stretched bitmap lands on its destination rectangle, top row on top.
    void stretchedBitmap()
    {
        QVERIFY(UemfFixtures::WriteBitmapEmf(Path("bitmap.emf")));
        ClipPicture picture;
        QVERIFY(picture.LoadFile(Path("bitmap.emf")));
        const QImage image = Render(picture, QSize(64, 64));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(40, 20), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(20, 40), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(40, 40), QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(55, 55), QColor(Qt::white));
    }

    // A .dib is read by what it holds; its size is its pixels at the screen's twips per pixel.
    void dibIsReadByContent()
    {
        QImage image(30, 20, QImage::Format_Indexed8);
        image.setColorTable({qRgb(255, 0, 255)});
        image.fill(0);
        QVERIFY(image.save(Path("pink.dib"), "BMP"));
        ClipPicture picture;
        QVERIFY(picture.LoadFile(Path("pink.dib")));
        QCOMPARE(picture.SizeTwips(15, 15), QSizeF(450, 300));
        QCOMPARE(picture.SizeTwips(12, 12), QSizeF(360, 240));
        QCOMPARE(Render(picture, QSize(30, 20)).pixelColor(15, 10), QColor(255, 0, 255));
    }

    // A bitmap whose one-colour table is shorter than its pixel values draws those pixels black
    // instead of reading past the table (found by fuzzing the bitmap reader).
    void shortColourTableIsFilledUp()
    {
        QByteArray bmp = QByteArray::fromHex("424d4204000000000000360400002800000004000000030000000100080000000000"
                                             "0c000000130b0000130b00000100000000000000");
        bmp.append(QByteArray::fromHex("ff000000")); // the one colour, blue (B, G, R, 0)
        bmp.append(QByteArray::fromHex("00590059" "59595959" "00000000"));
        ClipPicture picture;
        QVERIFY(picture.LoadBytes(bmp, ClipPicture::Kind::Dib));
        const QImage image = Render(picture, QSize(4, 3));
        QCOMPARE(image.pixelColor(0, 0), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(1, 1), QColor(0, 0, 0));
    }

    // Cut files, impossible sizes and counts, wrong signatures: no picture, never a crash.
    void damagedFilesGiveNoPicture()
    {
        for (const char* name : {"shapes.emf", "shapes.wmf"}) {
            const QByteArray good = ReadAll(Path(name));
            const ClipPicture::Kind kind = QByteArray(name).endsWith("emf") ? ClipPicture::Kind::Emf : ClipPicture::Kind::Wmf;
            ClipPicture picture;
            QVERIFY(picture.LoadBytes(good, kind));
            for (qsizetype cut = 0; cut < good.size(); cut += 5) {
                QVERIFY2(!picture.LoadBytes(good.left(cut), kind), qPrintable(QStringLiteral("%1 cut at %2").arg(name).arg(cut)));
                QVERIFY(picture.IsNull());
            }
        }
        QByteArray emf = ReadAll(Path("shapes.emf"));
        QByteArray badSignature = emf;
        badSignature[40] = 'X';
        ClipPicture picture;
        QVERIFY(!picture.LoadBytes(badSignature, ClipPicture::Kind::Emf));
        // The second record claims to be a gigabyte long.
        QByteArray hugeRecord = emf;
        const quint32 headerSize = qFromLittleEndian<quint32>(emf.constData() + 4);
        qToLittleEndian<quint32>(0x40000000u, hugeRecord.data() + headerSize + 4);
        QVERIFY(!picture.LoadBytes(hugeRecord, ClipPicture::Kind::Emf));
        // A polygon whose point count runs past its record.
        QByteArray polygon = emf.left(headerSize);
        const quint32 record[] = {3, 28 + 8, 0, 0, 0, 0, 0x7FFFFFFF, 1, 1};
        polygon.append(reinterpret_cast<const char*>(record), sizeof record);
        const quint32 eof[] = {14, 20, 0, 16, 20};
        polygon.append(reinterpret_cast<const char*>(eof), sizeof eof);
        QVERIFY(!picture.LoadBytes(polygon, ClipPicture::Kind::Emf));
        QVERIFY(!picture.LoadBytes(QByteArray(), ClipPicture::Kind::Dib));
        QVERIFY(!picture.LoadBytes(QByteArray("BM\x10\x00", 4), ClipPicture::Kind::Dib));
        QVERIFY(!picture.LoadFile(Path("missing.emf")));
        QVERIFY(!picture.LoadFile(Path("shapes.txt")));
    }

    // Random damage with a fixed seed: whatever loads must also paint.
    void mutatedFilesNeverCrash()
    {
        QRandomGenerator random(12345);
        for (const char* name : {"shapes.emf", "shapes.wmf"}) {
            const QByteArray good = ReadAll(Path(name));
            const ClipPicture::Kind kind = QByteArray(name).endsWith("emf") ? ClipPicture::Kind::Emf : ClipPicture::Kind::Wmf;
            for (int round = 0; round < 1500; ++round) {
                QByteArray bytes = good;
                const int flips = 1 + int(random.bounded(8));
                for (int i = 0; i < flips; ++i)
                    bytes[int(random.bounded(quint32(bytes.size())))] = char(random.bounded(256));
                ClipPicture picture;
                if (picture.LoadBytes(bytes, kind)) Render(picture, QSize(40, 30));
            }
        }
    }

    // Every catalogue file the generator wrote is a picture of its stated size, and not blank.
    void generatedClipArtLoadsAndDraws()
    {
        const QDir images(QStringLiteral(SKYRUN_DIST_DIR "/images"));
        const QStringList files = images.entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 51);
        int emf = 0, wmf = 0, dib = 0;
        for (const QString& file : files) {
            ClipPicture picture;
            QVERIFY2(picture.LoadFile(images.filePath(file)), qPrintable(file));
            emf += picture.GetKind() == ClipPicture::Kind::Emf;
            wmf += picture.GetKind() == ClipPicture::Kind::Wmf;
            dib += picture.GetKind() == ClipPicture::Kind::Dib;
            const QSizeF twips = picture.SizeTwips(15, 15);
            QVERIFY2(twips.width() >= 900 && twips.height() >= 900, qPrintable(file));
            // A holder reports its picture's size in whole screen pixels.
            QCOMPARE(std::fmod(twips.width(), 15.0), 0.0);
            QCOMPARE(std::fmod(twips.height(), 15.0), 0.0);
            const QImage image = Render(picture, (twips / 15).toSize());
            int drawn = 0;
            for (int y = 0; y < image.height(); y += 2)
                for (int x = 0; x < image.width(); x += 2)
                    drawn += image.pixelColor(x, y) != QColor(128, 128, 128);
            QVERIFY2(drawn > image.width() * image.height() / 4 / 10, qPrintable(file + QStringLiteral(" is nearly empty")));
        }
        QVERIFY(emf > 30);
        QVERIFY(wmf >= 3);
        QVERIFY(dib >= 2);
    }
};

QTEST_MAIN(MetafileTest)
#include "tst_metafile.moc"
