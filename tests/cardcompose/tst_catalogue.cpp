// The catalogue in the resources, the thumbnail strip by category and level, scrolling and the
// category buttons, with the strip wired to the canvas as the main window wires it.
#include "CanvasControl.h"
#include "CardResources.h"
#include "CardTestSupport.h"
#include "ComposeWiring.h"
#include "MiddleButtonsControl.h"
#include "ThumbNailImage.h"
#include "RollButton.h"
#include "ThumbNailScroller.h"
#include "ToggleButton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CardTest::UseInstallFolder(QStringLiteral(SKYRUN_DIST_DIR)); }

    // Every item: a 51 x 41 thumbnail of 256 colours, its item number and caption.
    void catalogueResources()
    {
        const struct {
            int id;
            const char* item;
            const char* caption;
        } samples[] = {{10001, "2001", "Glimmer jumping"},   {10041, "2010", "Glimmer standing"},
                       {10103, "3003", "Candy Picking Elf"}, {10211, "4004", "Frostine"},
                       {10221, "4006", "Mrs. Claus"},        {10312, "5005", "Santa's sleigh"},
                       {10404, "6000", "Blank background"},  {10441, "6010", "Card 5"}};
        for (const auto& sample : samples) {
            QCOMPARE(CardResources::String(sample.id).value_or(QString()), QString::fromLatin1(sample.item));
            QCOMPARE(CardResources::String(sample.id + 10000).value_or(QString()), QString::fromUtf8(sample.caption));
        }
        int items = 0;
        for (int category = 1; category <= 5; ++category)
            for (int group = 0; group <= 4; ++group)
                for (int k = 1; CardResources::HasBitmap(10000 + 100 * (category - 1) + 10 * group + k); ++k) {
                    const int id = 10000 + 100 * (category - 1) + 10 * group + k;
                    const QImage thumb(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
                    QCOMPARE(thumb.size(), QSize(51, 41));
                    QCOMPARE(thumb.format(), QImage::Format_Indexed8);
                    const QString item = CardResources::String(id).value_or(QString());
                    QCOMPARE(item.size(), 4);
                    QCOMPARE(item.at(0).digitValue(), category + 1);
                    ++items;
                }
        QCOMPARE(items, 51);
    }

    // Runs land reversed before the last image; levels open one group each.
    void stripOrderByLevel()
    {
        ThumbNailScroller strip;
        strip.ShowImagesofType(1, 5);
        QCOMPARE(strip.ImageKeys(), QStringList({"2003", "2002", "2005", "2004", "2007", "2006", "2009", "2008", "2010", "2001"}));
        QCOMPARE(strip.Caption(QStringLiteral("2010")), QStringLiteral("Glimmer standing"));
        strip.ShowImagesofType(1, 0);
        QCOMPARE(strip.ImageKeys(), QStringList({"2003", "2002", "2001"}));
        strip.ShowImagesofType(1, 1);
        QCOMPARE(strip.ImageKeys().size(), 3);
        strip.ShowImagesofType(5, 1);
        QCOMPARE(strip.ImageKeys(), QStringList({"6000", "6003", "6002", "6001"}));
        strip.ShowImagesofType(5, 9);
        QCOMPARE(strip.ImageKeys().size(), 11);
        strip.ShowImagesofType(3, 2);
        QCOMPARE(strip.ImageKeys(), QStringList({"4003", "4002", "4005", "4004", "4001"}));
        strip.ShowImagesofType(6, 5);
        QVERIFY(strip.ImageKeys().isEmpty());
        QCOMPARE(strip.Visible(), 0);
    }

    // Five slots of 60 pixels between the scroll buttons; fewer images are centred.
    void layout()
    {
        ThumbNailScroller strip;
        QCOMPARE(strip.ScrollButton(0)->geometry(), QRect(94, 5, 72, 69));
        QCOMPARE(strip.ScrollButton(1)->pos(), QPoint(478, 5));
        strip.ShowImagesofType(2, 5);
        QCOMPARE(strip.Visible(), 5);
        QCOMPARE(strip.First(), 1);
        for (int k = 0; k < 5; ++k) QCOMPARE(strip.ThumbNails()[k]->pos(), QPoint(172 + 60 * k, 19));
        strip.ShowImagesofType(2, 1);
        QCOMPARE(strip.Visible(), 3);
        QCOMPARE(strip.ThumbNails().size(), 3);
        QCOMPARE(strip.ThumbNails()[0]->pos(), QPoint(232, 19));
        QCOMPARE(strip.ThumbNails()[2]->Tag(), QStringLiteral("3001"));
        strip.ScrollPress(1); // nothing beyond: the forward button does nothing
        strip.ScrollRelease();
        QCOMPARE(strip.First(), 1);
    }

    // One step at once, again after a second, then ten a second; stops with the last image in the last slot.
    void scrolling()
    {
        ThumbNailScroller strip;
        strip.ShowImagesofType(1, 5); // 10 images, 5 visible
        strip.ScrollPress(1);
        QCOMPARE(strip.First(), 2);
        QVERIFY(strip.Timer()->isActive());
        QCOMPARE(strip.Timer()->interval(), 1000);
        strip.TimerTick();
        QCOMPARE(strip.Timer()->interval(), 100);
        QCOMPARE(strip.First(), 3);
        for (int i = 0; i < 10; ++i) strip.TimerTick();
        QCOMPARE(strip.First(), 6);
        QCOMPARE(strip.ThumbNails()[4]->Tag(), QStringLiteral("2001"));
        strip.ScrollRelease();
        QVERIFY(!strip.Timer()->isActive());
        strip.ScrollPress(0);
        QVERIFY(!strip.Forward());
        QCOMPARE(strip.First(), 5);
        for (int i = 0; i < 10; ++i) strip.TimerTick();
        QCOMPARE(strip.First(), 1);
        strip.ScrollRelease();
        QCOMPARE(strip.ThumbNails()[0]->Tag(), QStringLiteral("2003"));
        // The buttons themselves drive the same rules.
        QTest::mousePress(strip.ScrollButton(1), Qt::LeftButton);
        QCOMPARE(strip.First(), 2);
        QTest::mouseRelease(strip.ScrollButton(1), Qt::LeftButton);
        QVERIFY(!strip.Timer()->isActive());
    }

    // Hovering names the item on the caption line; a click raises the event, background flag for category 5.
    void thumbnailEvents()
    {
        ThumbNailScroller strip;
        QLabel caption;
        strip.SetCaptionLabel(&caption);
        QSignalSpy selected(&strip, &ThumbNailScroller::ThumbNailSelected);
        strip.ShowImagesofType(4, 1);
        strip.ThumbNailHover(1);
        QCOMPARE(caption.text(), QStringLiteral("Snowman"));
        QTest::mouseClick(strip.ThumbNails()[0], Qt::LeftButton);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0][0].toString(), QStringLiteral("5003"));
        QCOMPARE(selected[0][1].toBool(), false);
        QCOMPARE(strip.NameText()->text(), QStringLiteral("5003"));
        QCOMPARE(caption.text(), QStringLiteral("Snowman")); // not cleared when the pointer leaves
        strip.ShowImagesofType(5, 1);
        strip.ThumbNailClick(0);
        QCOMPARE(selected[1][0].toString(), QStringLiteral("6000"));
        QCOMPARE(selected[1][1].toBool(), true);
    }

    // SelectButton raises PickCategory first, then shows one button on; a click on the one already on keeps it on.
    void categoryButtons()
    {
        MiddleButtonsControl buttons;
        QCOMPARE(buttons.Category(), 1);
        QVERIFY(buttons.Button(1)->State());
        QCOMPARE(buttons.Button(5)->pos(), QPoint(341, 6));
        QSignalSpy picked(&buttons, &MiddleButtonsControl::PickCategory);
        buttons.SelectButton(4);
        QCOMPARE(picked.size(), 1);
        QCOMPARE(picked[0][0].toInt(), 4);
        for (int c = 1; c <= 5; ++c) QCOMPARE(buttons.Button(c)->State(), c == 4);
        QTest::mouseClick(buttons.Button(4), Qt::LeftButton);
        QCOMPARE(picked.size(), 2);
        QVERIFY(buttons.Button(4)->State());
        QTest::mouseClick(buttons.Button(2), Qt::LeftButton);
        QCOMPARE(picked.last()[0].toInt(), 2);
        for (int c = 1; c <= 5; ++c) QCOMPARE(buttons.Button(c)->State(), c == 2);
    }

    // Wired as the main window wires them: a category at a level, a thumbnail onto the canvas.
    void strippedThumbnailsLandOnTheCanvas()
    {
        CanvasControl canvas;
        ThumbNailScroller strip;
        MiddleButtonsControl buttons;
        QLabel thumbName;
        int level = 1;
        ComposeWiring::Connect(&buttons, &strip, &canvas, &thumbName, [&] { return level; });
        ComposeWiring::ShowFirstCategory(&buttons, &strip, level);
        QCOMPARE(strip.Type(), 1);
        QCOMPARE(strip.ImageKeys().size(), 3);
        QVERIFY(buttons.Button(1)->State());
        level = 5; // a level change shows at the next category choice
        QCOMPARE(strip.ImageKeys().size(), 3);
        buttons.SelectButton(1);
        QCOMPARE(strip.ImageKeys().size(), 10);
        level = 1;
        buttons.SelectButton(5);
        strip.ThumbNailClick(0); // the blank background, item 6000
        QCOMPARE(canvas.Background(), 1);
        QCOMPARE(canvas.HolderAt(1)->tag, QStringLiteral("6000"));
        // Clip-art backgrounds are 368 pixels, so exactly 5520 twips, high: a holder counts whole pixels.
        QCOMPARE(canvas.Scale(), 4035.0 / 5520.0);
        buttons.SelectButton(1);
        strip.ThumbNailHover(2);
        QCOMPARE(thumbName.text(), QStringLiteral("Glimmer jumping"));
        strip.ThumbNailClick(2);
        QCOMPARE(canvas.DisplayList(), QStringList({"2", "1"}));
        QCOMPARE(canvas.HolderAt(2)->tag, QStringLiteral("2001"));
    }
};

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
