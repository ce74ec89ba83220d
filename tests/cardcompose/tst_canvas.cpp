// The canvas under the offscreen platform: scale and twips arithmetic, the display list, backgrounds,
// the surface and label mouse rules, and the first-line split used by printing.
#include "CanvasControl.h"
#include "CanvasLabel.h"
#include "CanvasSurface.h"
#include "CardTestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

class CanvasTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mInstall;
    const double kFirstScale = 4035.0 / 5520.0;

    static QPoint Pixel(float twipsX, float twipsY) { return QPoint(qRound(twipsX / 15), qRound(twipsY / 15)); }

private slots:
    void initTestCase()
    {
        CardTest::UseInstallFolder(mInstall.path());
        QVERIFY(CardTest::WriteFixtures(mInstall.path()));
    }

    void startsWithTheFirstScaleAndTheTemplate()
    {
        CanvasControl canvas;
        QCOMPARE(canvas.size(), QSize(451, 341));
        QCOMPARE(canvas.Surface()->geometry(), QRect(8, 54, 427, 269));
        QCOMPARE(canvas.TextLabel()->size(), QSize(373, 108));
        QCOMPARE(canvas.TwipsPerPixelX(), 15.0);
        QCOMPARE(canvas.Scale(), kFirstScale);
        QCOMPARE(canvas.Selected(), -1);
        QCOMPARE(canvas.Background(), -1);
        QVERIFY(canvas.DisplayList().isEmpty());
        QCOMPARE(canvas.HolderAt(0)->left, 2520.0f);
        QCOMPARE(canvas.HolderAt(0)->top, 1080.0f);
    }

    // New pictures go on top at the template place, selected; sizes follow the pictures in twips.
    void addsPicturesOnTopAtTheTemplate()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7001"), false);
        canvas.AddGraphic(QStringLiteral("7003"), false);
        canvas.AddGraphic(QStringLiteral("7004"), false);
        QCOMPARE(canvas.DisplayList(), QStringList({"3", "2", "1"}));
        QCOMPARE(canvas.Selected(), 3);
        const CanvasControl::Holder* emf = canvas.HolderAt(1);
        QCOMPARE(emf->tag, QStringLiteral("7001"));
        QVERIFY(qAbs(emf->width - 2880) < 0.01 && qAbs(emf->height - 1440) < 0.01);
        QVERIFY(qAbs(canvas.HolderAt(2)->width - 1440) < 0.5); // the metafile, by its placeable header
        QCOMPARE(canvas.HolderAt(3)->width, 900.0);            // the bitmap: 60 pixels at 15 twips
        QCOMPARE(canvas.HolderAt(3)->left, 2520.0f);
        // Painted at Left*s: the red picture shows right of the small ones stacked over its corner.
        const QImage surface = canvas.Surface()->Buffer().toImage();
        const int x0 = qRound(2520 * kFirstScale / 15), y0 = qRound(1080 * kFirstScale / 15);
        // In device pixels, so a HiDPI screen (device pixel ratio 2) measures the same places.
        const auto device = [&](int x, int y, int w, int h) {
            const qreal r = surface.devicePixelRatio();
            return QRect(qRound(x * r), qRound(y * r), qRound(w * r), qRound(h * r));
        };
        QVERIFY(CardTest::Coverage(surface, device(x0 + 100, y0 + 20, 20, 20), Qt::red) > 0.9);
        // The selected bitmap carries the black frame along its edge.
        QVERIFY(CardTest::Coverage(surface, device(x0 + 5, y0 - 1, 20, 3), Qt::black) > 0.15);
    }

    // A missing or damaged picture leaves everything as it was, in all three formats tried.
    void unloadablePictureChangesNothing()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7001"), false);
        const QImage before = canvas.Surface()->Buffer().toImage();
        canvas.AddGraphic(QStringLiteral("9999"), false);
        canvas.AddGraphic(QStringLiteral("7900"), true);
        QCOMPARE(canvas.DisplayList(), QStringList({"1"}));
        QCOMPARE(canvas.Selected(), 1);
        QCOMPARE(canvas.Background(), -1);
        QCOMPARE(canvas.Scale(), kFirstScale);
        QCOMPARE(canvas.Surface()->Buffer().toImage(), before);
    }

    // A background fills the surface's height, centred across; a second one replaces it at the bottom.
    void backgroundsScaleAndReplace()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7001"), false);
        canvas.AddGraphic(QStringLiteral("7100"), true);
        QCOMPARE(canvas.Background(), 2);
        QCOMPARE(canvas.DisplayList(), QStringList({"1", "2"}));
        const double s = 4035.0 / 7200.0;
        QCOMPARE(canvas.Scale(), s);
        const float left = float((427 * 15 / s - 14400) / 2);
        QCOMPARE(canvas.HolderAt(2)->left, left);
        QCOMPARE(canvas.HolderAt(2)->top, 0.0f);
        QCOMPARE(canvas.BgLeft(), left);
        QCOMPARE(canvas.BgTop(), 0);
        canvas.AddGraphic(QStringLiteral("7002"), false);
        canvas.AddGraphic(QStringLiteral("7101"), true);
        QCOMPARE(canvas.HolderAt(2), nullptr);
        QCOMPARE(canvas.Background(), 4);
        QCOMPARE(canvas.DisplayList(), QStringList({"3", "1", "4"}));
        QCOMPARE(canvas.Selected(), 4);
        // Removing the background keeps the scale for the pictures that stay.
        canvas.RemoveGraphic();
        QCOMPARE(canvas.Background(), -1);
        QCOMPARE(canvas.Selected(), 3);
        QCOMPARE(canvas.Scale(), 4035.0 / 7200.0);
    }

    // Indexes come back once the highest holder is gone; ClearAll keeps s, bgLeft and bgTop.
    void indexesComeBackAndClearAllKeepsTheScale()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7001"), false);
        canvas.AddGraphic(QStringLiteral("7002"), false);
        canvas.RemoveGraphic();
        QCOMPARE(canvas.Selected(), 1);
        canvas.AddGraphic(QStringLiteral("7003"), false);
        QCOMPARE(canvas.DisplayList(), QStringList({"2", "1"}));
        canvas.AddGraphic(QStringLiteral("7100"), true);
        const float bgLeft = canvas.BgLeft();
        canvas.ClearAll();
        QVERIFY(canvas.DisplayList().isEmpty());
        QCOMPARE(canvas.Selected(), -1);
        QCOMPARE(canvas.Background(), -1);
        QCOMPARE(canvas.Scale(), 4035.0 / 7200.0);
        QCOMPARE(canvas.BgLeft(), bgLeft);
        QVERIFY(canvas.HolderAt(0) != nullptr);
        canvas.AddGraphic(QStringLiteral("7001"), false);
        QCOMPARE(canvas.DisplayList(), QStringList({"1"}));
        canvas.RemoveGraphic();
        canvas.RemoveGraphic(); // nothing selected: nothing deleted
        QCOMPARE(canvas.Selected(), -1);
    }

    // Clicks select with strict bounds and bring pictures to the top; the background is never reordered.
    void surfaceClicksSelectAndReorder()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7100"), true);
        canvas.AddGraphic(QStringLiteral("7001"), false);
        canvas.AddGraphic(QStringLiteral("7002"), false);
        const double s = canvas.Scale();
        const float edgeX = float(2520 * s);
        const float insideY = float((1080 + 700) * s);
        canvas.SurfaceMouseDown(edgeX, insideY); // exactly on the pictures' left edge: the background beneath
        canvas.SurfaceMouseUp();
        QCOMPARE(canvas.DisplayList(), QStringList({"3", "2", "1"}));
        QCOMPARE(canvas.Selected(), 1);
        canvas.SurfaceMouseDown(edgeX + 1, insideY);
        canvas.SurfaceMouseUp();
        QCOMPARE(canvas.Selected(), 3);
        // Move 7002 away by dragging it, then click 7001 to bring it up.
        QTest::mousePress(canvas.Surface(), Qt::LeftButton, {}, Pixel(float(2600 * s), insideY));
        QTest::mouseMove(canvas.Surface(), Pixel(float(2600 * s) + 1500, insideY + 600));
        QTest::mouseRelease(canvas.Surface(), Qt::LeftButton, {}, Pixel(float(2600 * s) + 1500, insideY + 600));
        QVERIFY(canvas.HolderAt(3)->left > 4000);
        canvas.SurfaceMouseDown(float(2600 * s), insideY);
        canvas.SurfaceMouseUp();
        QCOMPARE(canvas.Selected(), 2);
        QCOMPARE(canvas.DisplayList(), QStringList({"2", "3", "1"}));
        // A click on bare background selects it in place; it cannot be dragged.
        canvas.SurfaceMouseDown(float(30 * 15), float(250 * 15));
        QCOMPARE(canvas.Selected(), 1);
        QCOMPARE(canvas.DisplayList(), QStringList({"2", "3", "1"}));
        const float bgLeft = canvas.HolderAt(1)->left;
        canvas.SurfaceMouseMove(float(100 * 15), float(250 * 15));
        canvas.SurfaceMouseUp();
        QCOMPARE(canvas.HolderAt(1)->left, bgLeft);
    }

    // Dragging moves by the pointer's travel over s; y in whole units rounded half to even.
    void draggingArithmetic()
    {
        CanvasControl canvas;
        canvas.AddGraphic(QStringLiteral("7001"), false);
        const double s = canvas.Scale();
        canvas.SurfaceMouseDown(2000.0f, 1000.5f); // lastY = round(1000.5) = 1000
        canvas.SurfaceMouseMove(2100.0f, 1100.0f);
        const double dx = (2000.0f - 2100.0f) / s;
        const int dy = int(std::nearbyint((1000 - 1100.0f) / s));
        QCOMPARE(canvas.HolderAt(1)->left, float(2520 - dx));
        QCOMPARE(canvas.HolderAt(1)->top, float(1080 - dy));
        canvas.SurfaceMouseUp();
        const float left = canvas.HolderAt(1)->left;
        canvas.SurfaceMouseMove(3000.0f, 3000.0f); // button up: nothing moves
        QCOMPARE(canvas.HolderAt(1)->left, left);
        // Pressing on empty surface keeps the selection, and dragging then moves it.
        canvas.SurfaceMouseDown(100.0f, 100.0f);
        canvas.SurfaceMouseMove(130.0f, 100.0f);
        QCOMPARE(canvas.Selected(), 1);
        QVERIFY(canvas.HolderAt(1)->left > left);
    }

    // The label: pressed only with text, selected with a border, dragged by the point first grabbed.
    void labelSelectionAndDrag()
    {
        CanvasControl canvas;
        canvas.show();
        canvas.AddGraphic(QStringLiteral("7001"), false);
        CanvasLabel* label = canvas.TextLabel();
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!canvas.TextSelected()); // empty caption
        canvas.AddText(QStringLiteral("Merry\r\nChristmas"), QStringLiteral("DejaVu Serif"), 24);
        QCOMPARE(canvas.GetText(), QStringLiteral("Merry\r\nChristmas"));
        QCOMPARE(canvas.LabelFont().pointSize(), 24);
        const QPoint start = label->pos();
        canvas.LabelMouseDown(150.0f, 150.0f);
        QVERIFY(canvas.TextSelected());
        QCOMPARE(label->BorderStyle(), 1);
        canvas.LabelMouseMove(450.0f, 300.0f); // 20 px right, 10 px down
        QCOMPARE(label->pos(), start + QPoint(20, 10));
        canvas.LabelMouseMove(450.0f, 300.0f); // same label point again: moves again by the same
        QCOMPARE(label->pos(), start + QPoint(40, 20));
        canvas.LabelMouseUp();
        // With the text selected, a press on empty surface keeps it and dragging does nothing.
        canvas.SurfaceMouseDown(10.0f, 10.0f);
        canvas.SurfaceMouseMove(300.0f, 300.0f);
        canvas.SurfaceMouseUp();
        QVERIFY(canvas.TextSelected());
        QCOMPARE(canvas.HolderAt(1)->left, 2520.0f);
        // Remove empties the text and keeps every picture; the picture is then selected again.
        canvas.RemoveGraphic();
        QVERIFY(canvas.GetText().isEmpty());
        QCOMPARE(label->BorderStyle(), 0);
        QCOMPARE(canvas.DisplayList(), QStringList({"1"}));
        QCOMPARE(canvas.Selected(), 1);
    }

    // Twips per pixel come from the screen: whatever they are, the first scale and a background
    // fill the surface's height. (CTest runs the canvas tests once more on a HiDPI screen.)
    void backgroundFillsTheSurfaceAtAnyDpi()
    {
        CanvasControl canvas;
        const double tpp = canvas.TwipsPerPixelY();
        QCOMPARE(canvas.Scale(), std::nearbyint(269 * tpp) / 5520);
        canvas.AddGraphic(QStringLiteral("7100"), true);
        const CanvasControl::Holder* bg = canvas.HolderAt(1);
        QCOMPARE(bg->height * canvas.Scale(), std::nearbyint(269 * tpp));
        const QImage surface = canvas.Surface()->Buffer().toImage();
        const int w = surface.width(), h = surface.height();
        QVERIFY(CardTest::Coverage(surface, QRect(w / 2, 2, 4, 4), QColor(230, 230, 230)) > 0.9);
        QVERIFY(CardTest::Coverage(surface, QRect(w / 2, h - 6, 4, 4), QColor(230, 230, 230)) > 0.9);
    }

    void firstStringSplits()
    {
        QString rest;
        QCOMPARE(CanvasControl::GetFirstString(QStringLiteral("one\r\ntwo\r\nthree"), rest), QStringLiteral("one"));
        QCOMPARE(rest, QStringLiteral("two\r\nthree"));
        QCOMPARE(CanvasControl::GetFirstString(QStringLiteral("single"), rest), QStringLiteral("single"));
        QCOMPARE(rest, QString());
        // A leading line break: the whole text in one go.
        QCOMPARE(CanvasControl::GetFirstString(QStringLiteral("\r\nhello\r\nyou"), rest), QStringLiteral("\r\nhello\r\nyou"));
        QCOMPARE(rest, QString());
        QCOMPARE(CanvasControl::GetFirstString(QStringLiteral("a\r\n\r\nb"), rest), QStringLiteral("a"));
        QCOMPARE(rest, QStringLiteral("\r\nb"));
        QCOMPARE(CanvasControl::GetFirstString(QStringLiteral("end\r\n"), rest), QStringLiteral("end"));
        QCOMPARE(rest, QString());
        QCOMPARE(CanvasControl::GetFirstString(QString(), rest), QString());
    }
};

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
