// Push and toggle picture buttons: which picture shows, when Click comes, and pictures loaded by resource number.
#include "CardTestSupport.h"

#include "RollButton.h"
#include "ToggleButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A push button whose pointer position the test sets.
class PointedRollButton : public RollButton {
public:
    QPoint pointer;

protected:
    bool PointerPosition(QPoint* globalPosition) const override
    {
        *globalPosition = pointer;
        return true;
    }
};

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), which, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

QPixmap Filled(QSize size, Qt::GlobalColor color)
{
    QPixmap picture(size);
    picture.fill(color);
    return picture;
}

struct ButtonSize {
    int base;
    bool toggle;
    QSize size;
};

// Every button the program draws, with the size its up (or on) picture must have.
const ButtonSize kButtons[] = {
    {1000, false, {62, 76}}, {1010, false, {53, 64}}, {1020, false, {55, 67}}, {1100, true, {57, 67}},
    {1110, false, {68, 62}}, {1120, false, {61, 71}}, {1200, true, {38, 37}},  {1210, true, {42, 39}},
    {1220, true, {43, 38}},  {1230, true, {32, 33}},  {1240, true, {29, 33}},  {1300, false, {72, 69}},
    {1310, false, {73, 69}}, {1400, false, {36, 57}}, {1410, false, {120, 78}}, {1420, false, {61, 56}},
    {1430, false, {42, 38}}, {1500, false, {54, 13}}, {1510, false, {38, 16}},  {1520, false, {58, 42}},
    {1530, false, {28, 44}},
};

} // namespace

class PictureButtonTest : public QObject {
    Q_OBJECT

private slots:
    void PushButtonFollowsPressHoverAndRelease()
    {
        QWidget window;
        window.resize(200, 200);
        auto* button = new PointedRollButton;
        button->setParent(&window);
        button->move(50, 50);
        button->resize(40, 30);
        window.show();
        QCOMPARE(button->Showing(), RollButton::Face::Up);

        QSignalSpy clicks(button, &RollButton::Click);
        QSignalSpy downs(button, &RollButton::MouseDown);
        QSignalSpy ups(button, &RollButton::MouseUp);

        // The pointer arrives and rests: the hover picture stays through the timer's ticks.
        button->pointer = button->mapToGlobal(QPoint(10, 10));
        Send(button, QEvent::MouseMove, {10, 10});
        QCOMPARE(button->Showing(), RollButton::Face::Hover);
        QVERIFY(button->IsHoverTimerActive());
        QTest::qWait(3 * RollButton::kHoverIntervalMs);
        QCOMPARE(button->Showing(), RollButton::Face::Hover);

        // Press, then release over the button: pushed, then the hover picture again.
        Send(button, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(button->Showing(), RollButton::Face::Push);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(downs[0][0].value<short>(), short(1));
        QCOMPARE(downs[0][1].value<short>(), short(1));
        QCOMPARE(downs[0][2].toFloat(), 10.0f);
        Send(button, QEvent::MouseButtonRelease, {10, 10});
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(button->Showing(), RollButton::Face::Hover);

        // The pointer leaves: the timer notices and the up picture returns.
        button->pointer = window.mapToGlobal(QPoint(5, 5));
        QTRY_COMPARE(button->Showing(), RollButton::Face::Up);
        QVERIFY(!button->IsHoverTimerActive());

        // Just on the right and bottom edges still counts as over the button.
        button->pointer = button->mapToGlobal(QPoint(button->width(), button->height()));
        Send(button, QEvent::MouseMove, {5, 5});
        QTest::qWait(2 * RollButton::kHoverIntervalMs);
        QCOMPARE(button->Showing(), RollButton::Face::Hover);
    }

    void PushButtonClicksWhenReleasedAwayFromIt()
    {
        QWidget window;
        window.resize(200, 200);
        auto* button = new PointedRollButton;
        button->setParent(&window);
        button->move(50, 50);
        button->resize(40, 30);
        window.show();
        QSignalSpy clicks(button, &RollButton::Click);

        button->pointer = button->mapToGlobal(QPoint(10, 10));
        Send(button, QEvent::MouseMove, {10, 10});
        Send(button, QEvent::MouseButtonPress, {10, 10});
        // Dragged off while held: the timer drops the hover picture, the pushed one stays on top.
        button->pointer = window.mapToGlobal(QPoint(190, 190));
        Send(button, QEvent::MouseMove, {140, 140});
        QTRY_VERIFY(!button->IsHoverTimerActive());
        QCOMPARE(button->Showing(), RollButton::Face::Push);
        Send(button, QEvent::MouseButtonRelease, {140, 140});
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(button->Showing(), RollButton::Face::Up);

        // A release without a press of its own is no click.
        Send(button, QEvent::MouseButtonRelease, {10, 10});
        QCOMPARE(clicks.count(), 1);
    }

    void PushButtonAccessKeyClicks()
    {
        QWidget window;
        auto* button = new RollButton(&window);
        button->SetAccessKey(QKeySequence(Qt::ALT | Qt::Key_Q));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &RollButton::Click);
        QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void ToggleButtonFlipsOnlyOnItsOwnPress()
    {
        ToggleButton button;
        button.SetOnPicture(Filled({20, 10}, Qt::green));
        button.SetOffPicture(Filled({20, 10}, Qt::red));
        QSignalSpy clicks(&button, &ToggleButton::Click);
        QVERIFY(!button.State());
        QVERIFY(!button.ShowingOn());

        Send(&button, QEvent::MouseButtonPress, {5, 5});
        Send(&button, QEvent::MouseButtonRelease, {5, 5});
        QVERIFY(button.State());
        QVERIFY(button.ShowingOn());
        Send(&button, QEvent::MouseButtonPress, {5, 5});
        Send(&button, QEvent::MouseButtonRelease, {5, 5});
        QVERIFY(!button.State());
        QVERIFY(!button.ShowingOn());
        QCOMPARE(clicks.count(), 2);

        // A press that began elsewhere and ends here changes nothing.
        Send(&button, QEvent::MouseButtonRelease, {5, 5});
        QVERIFY(!button.State());
        QCOMPARE(clicks.count(), 2);

        button.SetState(true);
        QVERIFY(button.ShowingOn());
        button.SetState(false);
        QVERIFY(!button.ShowingOn());
        QCOMPARE(clicks.count(), 2);
    }

    void PicturesFromFilesSizeTheControl()
    {
        QTemporaryDir folder;
        Filled({31, 17}, Qt::blue).save(folder.filePath("up.png"));
        RollButton push;
        push.resize(5, 5);
        push.SetPushPicture(Filled({31, 17}, Qt::red));
        QCOMPARE(push.size(), QSize(5, 5));
        push.SetUpPictureFile(folder.filePath("up.png"));
        QCOMPARE(push.size(), QSize(31, 17));
        push.SetUpPictureFile(folder.filePath("missing.png"));
        QCOMPARE(push.UpPicture().size(), QSize(31, 17));

        ToggleButton toggle;
        toggle.SetOnPictureFile(folder.filePath("up.png"));
        QCOMPARE(toggle.size(), QSize(31, 17));
    }

    void EveryButtonLoadsItsPicturesAtTheirSize()
    {
        for (const ButtonSize& expected : kButtons) {
            const QString which = QString::number(expected.base);
            if (expected.toggle) {
                ToggleButton button;
                button.LoadFromResource(expected.base);
                QVERIFY2(button.size() == expected.size, qPrintable(which));
                QVERIFY2(button.OffPicture().size() == expected.size, qPrintable(which));
                QVERIFY2(button.OnPicture().toImage() != button.OffPicture().toImage(), qPrintable(which));
            } else {
                RollButton button;
                button.LoadFromResource(expected.base);
                QVERIFY2(button.size() == expected.size, qPrintable(which));
                QVERIFY2(button.PushPicture().size() == expected.size, qPrintable(which));
                QVERIFY2(button.HoverPicture().size() == expected.size, qPrintable(which));
                QVERIFY2(button.UpPicture().toImage() != button.PushPicture().toImage(), qPrintable(which));
                QVERIFY2(button.UpPicture().toImage() != button.HoverPicture().toImage(), qPrintable(which));
            }
        }
    }

    // The spare set at 1030 is in the resources too: the print button's size, sixteen colours.
    void TheSpareSixteenColourSetIsThere()
    {
        for (int picture : {1032, 1034, 1035}) {
            const QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(picture));
            QCOMPARE(image.size(), QSize(61, 71));
            QVERIFY(image.colorCount() > 0 && image.colorCount() <= 16);
        }
        RollButton button;
        button.LoadFromResource(1030);
        QCOMPARE(button.size(), QSize(61, 71));
    }

    void MissingResourcesKeepThePicturesThereWere()
    {
        RollButton button;
        button.SetUpPicture(Filled({12, 8}, Qt::yellow));
        button.resize(12, 8);
        button.LoadFromResource(90000);
        QCOMPARE(button.UpPicture().size(), QSize(12, 8));
        QCOMPARE(button.size(), QSize(12, 8));
    }
};

CARD_TEST_MAIN(PictureButtonTest)
#include "PictureButtonTest.moc"
