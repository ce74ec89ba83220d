// Printing looked at on paper: PDF pages rendered with pdftoppm show pictures at 1.7 times their units
// from the background's corner, text lines at one x, a picture cut at the page edge; no printer at all
// gives a PDF in the pictures folder; the text window's OK and Cancel.
#include "CanvasControl.h"
#include "CanvasLabel.h"
#include "CardTestSupport.h"
#include "PdfPages.h"
#include "RollButton.h"
#include "frmText.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kDpi = 72; // one pixel of the rendered page is 20 twips

QRect DarkRows(const QImage& page, int x0, int x1)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (qGray(page.pixel(x, y)) < 100) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return QRect(x0, top, x1 - x0, bottom - top + 1);
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mInstall;
    QTemporaryDir mOut;

    QImage PrintToImage(CanvasControl& canvas, QPointF* origin)
    {
        const QString pdf = mOut.filePath(QStringLiteral("card%1.pdf").arg(QRandomGenerator::global()->generate()));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        if (!canvas.PrintTo(printer)) return {};
        // Pictures are placed from the printable area's corner.
        *origin = printer.pageLayout().paintRectPixels(kDpi).topLeft();
        return PdfPages::Render(pdf, kDpi);
    }

private slots:
    void initTestCase()
    {
        CardTest::UseInstallFolder(mInstall.path());
        QVERIFY(CardTest::WriteFixtures(mInstall.path()));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: printed pages cannot be looked at");
    }

    // The background's corner on the page origin, pictures at 1.7 times their units, landscape.
    void picturesAtTheirPlaces()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7100"), true); // 14400 x 7200 twips, dark 40/400 corner mark
        canvas.AddGraphic(QStringLiteral("7001"), false);
        QPointF origin;
        const QImage page = PrintToImage(canvas, &origin);
        QVERIFY(!page.isNull());
        QVERIFY(page.width() > page.height());
        // The dark corner mark: 1440 x 1.7 twips square = 122.4 points from the origin.
        QVERIFY(CardTest::Coverage(page, QRect(origin.toPoint() + QPoint(4, 4), QSize(110, 110)), QColor(40, 40, 40)) > 0.9);
        QVERIFY(CardTest::Coverage(page, QRect(origin.toPoint() + QPoint(130, 4), QSize(30, 30)), QColor(230, 230, 230)) > 0.9);
        // The red picture: Left 2520, Top 1080 picture units, relative to the background's corner.
        const double x = (2520 - canvas.BgLeft()) * 1.7 / 20, y = (1080 - canvas.BgTop()) * 1.7 / 20;
        const double w = 2880 * 1.7 / 20, h = 1440 * 1.7 / 20;
        const QRect inner(int(origin.x() + x + w * 0.15), int(origin.y() + y + h * 0.2), int(w * 0.7), int(h * 0.6));
        QVERIFY(CardTest::Coverage(page, inner, Qt::red) > 0.95);
        // White border of the fixture at its left edge, background just outside it.
        QVERIFY(CardTest::Coverage(page, QRect(int(origin.x() + x - 6), int(origin.y() + y + h / 2), 4, 4), QColor(230, 230, 230)) > 0.9);
    }

    // A picture dragged left of the background prints at a negative x: cut at the page edge.
    void pictureLeftOfTheBackgroundIsCut()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7100"), true);
        canvas.AddGraphic(QStringLiteral("7002"), false);
        const double s = canvas.Scale();
        // Drag the blue picture far left: its left edge goes before the background's corner.
        canvas.SurfaceMouseDown(float(2600 * s), float(1500 * s));
        canvas.SurfaceMouseMove(float(2600 * s - (2520 - canvas.BgLeft() + 1500) * s), float(1500 * s));
        canvas.SurfaceMouseUp();
        QVERIFY(canvas.HolderAt(2)->left < canvas.BgLeft());
        QPointF origin;
        const QImage page = PrintToImage(canvas, &origin);
        QVERIFY(!page.isNull());
        const double y = (canvas.HolderAt(2)->top - canvas.BgTop()) * 1.7 / 20;
        const double right = (canvas.HolderAt(2)->left + 2880 - canvas.BgLeft()) * 1.7 / 20;
        QVERIFY(right > 20);
        // Blue reaches the origin's column and stops where the picture ends.
        QVERIFY(CardTest::Coverage(page, QRect(int(origin.x()), int(origin.y() + y + 30), 6, 10), Qt::blue) > 0.9);
        QVERIFY(CardTest::Coverage(page, QRect(int(origin.x() + right + 6), int(origin.y() + y + 30), 10, 10), Qt::blue) < 0.05);
    }

    // Three lines start at the same x, one line height apart; the size follows the canvas scale.
    void textLinesShareTheirX()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("6000"), true); // missing in the fixture folder: no background
        canvas.AddText(QStringLiteral("Merry\r\nLittle\r\nWorld"), QStringLiteral("DejaVu Sans"), 12);
        QPointF origin;
        const QImage page = PrintToImage(canvas, &origin);
        QVERIFY(!page.isNull());
        const double x0 = (canvas.LabelPosition().x() / canvas.Scale() - canvas.BgLeft()) * 1.7 / 20 + origin.x();
        // Each line's leftmost ink: the three bands of text rows.
        QList<int> lefts;
        QList<int> tops;
        bool inLine = false;
        int left = page.width();
        for (int y = 0; y < page.height(); ++y) {
            int rowLeft = -1;
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128) { rowLeft = x; break; }
            if (rowLeft >= 0) {
                if (!inLine) tops.append(y);
                inLine = true;
                left = std::min(left, rowLeft);
            } else if (inLine) {
                inLine = false;
                lefts.append(left);
                left = page.width();
            }
        }
        QCOMPARE(lefts.size(), 3);
        QVERIFY(qAbs(lefts[0] - lefts[1]) <= 2 && qAbs(lefts[1] - lefts[2]) <= 3);
        QVERIFY2(qAbs(lefts[0] - x0) < 6, qPrintable(QStringLiteral("text at %1, expected %2").arg(lefts[0]).arg(x0)));
        const int pitch = tops[1] - tops[0];
        QVERIFY(pitch > 20 && qAbs((tops[2] - tops[1]) - pitch) <= 3); // 12 pt / s x 1.7 = about 28 pt
        // A larger scale prints the same label smaller.
        canvas.AddGraphic(QStringLiteral("7101"), true);
        QVERIFY(canvas.Scale() < 4035.0 / 5520.0);
        const QImage bigger = PrintToImage(canvas, &origin);
        // The label now starts left of the page (cut there); its lines reach past the corner mark.
        const QRect ink = DarkRows(bigger, int(origin.x()) + 70, bigger.width());
        QVERIFY(ink.height() > (tops[2] - tops[0]) * 1.1);
    }

    // With no printer installed at all, the card becomes a PDF in the pictures folder, named on the caption line.
    void noPrinterWritesPdf()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here: the PDF fallback is not taken");
        CanvasControl canvas;
        QLabel caption;
        caption.resize(640, 20);
        canvas.SetCaptionLabel(&caption);
        QSignalSpy saved(&canvas, &CanvasControl::PrintedToFile);
        canvas.AddGraphic(QStringLiteral("7101"), true);
        canvas.CanvasPrint();
        QCOMPARE(saved.size(), 1);
        const QString path = saved[0][0].toString();
        QVERIFY(path.startsWith(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)));
        QVERIFY(QFile::exists(path));
        const QString folder = QFileInfo(QFileInfo(path).absolutePath()).fileName();
        QCOMPARE(caption.text(), QStringLiteral("In ") + folder + QStringLiteral(": ") + QFileInfo(path).fileName());
        QCOMPARE(caption.toolTip(), path);
        const QImage page = PdfPages::Render(path, kDpi);
        QVERIFY(!page.isNull());
        QVERIFY(page.width() > page.height());
        QFile::remove(path);
        // On the main window's narrower line the name gives way in its middle, never the folder.
        caption.resize(200, 20);
        canvas.CanvasPrint();
        QVERIFY(caption.text().startsWith(QStringLiteral("In ") + folder + QStringLiteral(": ")));
        QVERIFY(caption.text().contains(QChar(0x2026)));
        QVERIFY(QFile::remove(caption.toolTip()));
    }

    // OK applies text, font and size; Cancel leaves the canvas as it was and reopening shows its text.
    void textWindowOkAndCancel()
    {
        CanvasControl canvas;
        frmText text;
        QCOMPARE(text.size(), QSize(430, 272));
        QCOMPARE(text.MyTextBox()->geometry(), QRect(28, 70, 373, 108));
        QVERIFY(text.FontNameList()->count() > 0);
        QCOMPARE(text.TextFontSize(), 12);
        QCOMPARE(text.TextFontName(), text.FontNameList()->itemText(0));
        QTimer::singleShot(0, &text, [&] {
            text.MyTextBox()->setPlainText(QStringLiteral("Happy\nHolidays"));
            QTest::mouseClick(text.Button("btnBig"), Qt::LeftButton);
            text.FontNameList()->setCurrentIndex(text.FontNameList()->count() - 1);
            QTest::mouseClick(text.Button("btnOK"), Qt::LeftButton);
        });
        text.TextAction(&canvas);
        QVERIFY(text.OkCancel());
        QCOMPARE(canvas.GetText(), QStringLiteral("Happy\r\nHolidays"));
        QCOMPARE(canvas.LabelFont().pointSize(), 24); // the size kept when the font changed
        QCOMPARE(canvas.LabelFont().family(), text.FontNameList()->itemText(text.FontNameList()->count() - 1));
        QTimer::singleShot(0, &text, [&] {
            QCOMPARE(text.GetText(), QStringLiteral("Happy\r\nHolidays"));
            text.MyTextBox()->setPlainText(QStringLiteral("Something else"));
            QTest::mouseClick(text.Button("btnSmall"), Qt::LeftButton);
            QTest::mouseClick(text.Button("btnCancel"), Qt::LeftButton);
        });
        text.TextAction(&canvas);
        QVERIFY(!text.OkCancel());
        QCOMPARE(canvas.GetText(), QStringLiteral("Happy\r\nHolidays"));
        QCOMPARE(canvas.LabelFont().pointSize(), 24);
        QTimer::singleShot(0, &text, [&] {
            QCOMPARE(text.GetText(), QStringLiteral("Happy\r\nHolidays")); // not the cancelled edit
            QCOMPARE(text.TextFontSize(), 12);                           // the window keeps its last choice
            text.Close(false);
        });
        text.TextAction(&canvas);
        // After an OK, Escape leaves like Cancel: the edit is not applied.
        QTimer::singleShot(0, &text, [&] {
            text.MyTextBox()->setPlainText(QStringLiteral("Left with Escape"));
            QTest::mouseClick(text.Button("btnOK"), Qt::LeftButton);
        });
        text.TextAction(&canvas);
        QTimer::singleShot(0, &text, [&] {
            text.MyTextBox()->setPlainText(QStringLiteral("Not this"));
            QTest::keyClick(&text, Qt::Key_Escape);
        });
        text.TextAction(&canvas);
        QVERIFY(!text.OkCancel());
        QCOMPARE(canvas.GetText(), QStringLiteral("Left with Escape"));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
