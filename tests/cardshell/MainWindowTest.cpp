// The main window: layout, menu captions, the wiring of its parts, the login flow and closing down.
#include "CardTestSupport.h"

#include "CDPlayerControl.h"
#include "CanvasControl.h"
#include "CanvasSurface.h"
#include "CardResources.h"
#include "InstallDirSetting.h"
#include "Launcher.h"
#include "LeftButtonsControl.h"
#include "MainMod.h"
#include "MiddleButtonsControl.h"
#include "ResourceCaptions.h"
#include "RightButtonsControl.h"
#include "RollButton.h"
#include "ThumbNailImage.h"
#include "ThumbNailScroller.h"
#include "ToggleButton.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "frmText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

namespace {

class QuietLauncher : public Launcher {
public:
    LaunchResult Start(const std::string& commandLine) override
    {
        lines.push_back(commandLine);
        return LaunchResult::Started;
    }
    std::vector<std::string> lines;
};

void Click(RollButton* button)
{
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

// Answers each appearance of the login window with the next scripted action, and counts them.
class LoginScript : public QObject {
public:
    using Action = std::function<void(frmLogin*)>;

    LoginScript(frmLogin* login, std::deque<Action> actions) : mLogin(login), mActions(std::move(actions))
    {
        login->installEventFilter(this);
    }

    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == mLogin && event->type() == QEvent::Show) {
            ++shown;
            Action action = mActions.empty() ? Action([](frmLogin* login) { Click(login->btnQuit); })
                                             : mActions.front();
            if (!mActions.empty())
                mActions.pop_front();
            QTimer::singleShot(0, mLogin, [this, action] { action(mLogin); });
        }
        return false;
    }

private:
    frmLogin* mLogin;
    std::deque<Action> mActions;
};

// Chooses the named player in the login window and loads them.
LoginScript::Action ChoosePlayer(const QString& name)
{
    return [name](frmLogin* login) {
        login->Names->setCurrentIndex(login->Names->findText(name));
        Click(login->btnLoad);
    };
}

// Pixels of `area` that differ between two pictures of the same size.
int ChangedPixels(const QImage& before, const QImage& after, const QRect& area)
{
    int changed = 0;
    const QRect r = area.intersected(before.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

QStringList TrackChecks(const frmMain& main)
{
    QStringList checked;
    for (QAction* item : main.mnuMusicTrack)
        checked << (item->isChecked() ? QStringLiteral("x") : QStringLiteral("-"));
    return checked;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mInstall;

private slots:
    void initTestCase()
    {
        // The install folder's clip art is the generated set.
        QVERIFY(QFile::link(QStringLiteral(SKYRUN_DIST_DIR "/images"), mInstall.filePath(QStringLiteral("images"))));
    }

    void init()
    {
        CardTestSupport::WriteFile(mInstall, QStringLiteral("highscore.txt"),
                                   "Holly\n3 6200 4\nGlimmer\n4 9850 7\nStar\n5 20400 9\n");
        InstallDirSetting::Store(mInstall.path());
    }

    void PartsSitWhereTheLayoutPutsThem()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QCOMPARE(main.windowTitle(), QStringLiteral("Santa's Cardwright"));
        QCOMPARE(main.centralWidget()->size(), QSize(640, 480));
        QCOMPARE(main.LeftButtons->pos(), QPoint(0, 0));
        QCOMPARE(main.Canvas->geometry(), QRect(100, 0, 451, 341));
        QCOMPARE(main.RightButtons->pos(), QPoint(550, 0));
        QCOMPARE(main.LeftButtons->width(), 640);
        QCOMPARE(main.LeftButtons->height(), main.height());
        QCOMPARE(main.MiddleButtons->pos(), QPoint(100, 360));
        QCOMPARE(main.MiddleButtons->width(), 411);
        QCOMPARE(main.ThumbNailScroller->pos(), QPoint(0, 400));
        QCOMPARE(main.ThumbNailScroller->width(), 640);
        QCOMPARE(main.ThumbName->geometry(), QRect(160, 330, 320, 20));

        QCOMPARE(main.LeftButtons->btnMain->pos(), QPoint(26, 136));
        QCOMPARE(main.LeftButtons->btnMain->size(), QSize(62, 76));
        QCOMPARE(main.LeftButtons->btnClearAll->pos(), QPoint(33, 233));
        QCOMPARE(main.LeftButtons->btnRemove->pos(), QPoint(29, 319));
        QCOMPARE(main.RightButtons->btnMusic->pos(), QPoint(10, 137));
        QCOMPARE(main.RightButtons->btnMusic->size(), QSize(57, 67));
        QCOMPARE(main.RightButtons->btnText->pos(), QPoint(8, 231));
        QCOMPARE(main.RightButtons->btnPrint->pos(), QPoint(8, 318));
    }

    void MenusTakeTheirCaptionsFromTheStringTable()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QCOMPARE(main.mnuFile->title(), QStringLiteral("&File"));
        QCOMPARE(main.mnuFilePageSetup->text(), QStringLiteral("Print Set&up..."));
        QCOMPARE(main.mnuFilePrint->text(), QStringLiteral("&Print..."));
        QVERIFY(main.mnuFileBar2->isSeparator());
        QCOMPARE(main.mnuFileExit->text(), QStringLiteral("E&xit"));
        QCOMPARE(main.mnuMusic->title(), QStringLiteral("&CD Audio"));
        QCOMPARE(main.mnuMusicTrack[0]->text(), QStringLiteral("Track 1"));
        QCOMPARE(main.mnuMusicTrack[2]->text(), QStringLiteral("Track 3"));
        QCOMPARE(main.mnuHelp->title(), QStringLiteral("&Help"));
        QCOMPARE(main.mnuHelpAbout->text(), QStringLiteral("&About Cardwright..."));
    }

    void CaptionsAreReplacedOnlyByNumbersAboveZeroThatTheTableHas()
    {
        QWidget window;
        window.setProperty(ResourceCaptions::kTagProperty, QStringLiteral("1004"));
        auto* label = new QLabel(QStringLiteral("keep"), &window);
        label->setProperty(ResourceCaptions::kTagProperty, QStringLiteral("1202"));
        auto* untagged = new QLabel(QStringLiteral("untouched"), &window);
        auto* button = new QPushButton(QStringLiteral("plain"), &window);
        button->setProperty(ResourceCaptions::kTagProperty, QStringLiteral("0"));
        button->setProperty(ResourceCaptions::kToolTipProperty, QStringLiteral("1003"));
        auto* menuBar = new QMenuBar(&window);
        QMenu* menu = menuBar->addMenu(QStringLiteral("1100"));
        QAction* known = menu->addAction(QStringLiteral("1101"));
        QAction* unknown = menu->addAction(QStringLiteral("999999"));
        QAction* words = menu->addAction(QStringLiteral("Words"));
        QAction* negative = menu->addAction(QStringLiteral("-5"));

        ApplyResourceCaptions(&window);
        QCOMPARE(window.windowTitle(), QStringLiteral("E&xit"));
        QCOMPARE(label->text(), QStringLiteral("&About Cardwright..."));
        QCOMPARE(untagged->text(), QStringLiteral("untouched"));
        QCOMPARE(button->text(), QStringLiteral("plain"));
        QCOMPARE(button->toolTip(), QStringLiteral("&Print..."));
        QCOMPARE(menu->title(), QStringLiteral("&CD Audio"));
        QCOMPARE(known->text(), QStringLiteral("Track 1"));
        QCOMPARE(unknown->text(), QStringLiteral("999999"));
        QCOMPARE(words->text(), QStringLiteral("Words"));
        QCOMPARE(negative->text(), QStringLiteral("-5"));
        QVERIFY(!CardResources::String(20));
    }

    void QuitEndsTheProgramWithoutASecondLogin()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QSignalSpy ended(&main, &frmMain::ProgramEnded);
        LoginScript script(main.Login(), {[](frmLogin* login) { Click(login->btnQuit); }});
        main.show();
        main.PlayerFlow();
        QTRY_COMPARE(ended.count(), 1);
        QTest::qWait(50);
        QCOMPARE(script.shown, 1);
        QVERIFY(main.Ended());
        QVERIFY(!main.isVisible());
        QVERIFY(!main.Login()->isVisible());
    }

    void StartingTheGameEndsTheProgramToo()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QSignalSpy ended(&main, &frmMain::ProgramEnded);
        LoginScript script(main.Login(), {[](frmLogin* login) { Click(login->btnGlimmer); }});
        main.show();
        main.PlayerFlow();
        QTRY_COMPARE(ended.count(), 1);
        QTest::qWait(50);
        QCOMPARE(script.shown, 1);
        QCOMPARE(launcher.lines, std::vector<std::string>{"spawn skyrun"});
    }

    void WithoutAPlayerTheLoginComesBack()
    {
        CardTestSupport::WriteFile(mInstall, QStringLiteral("highscore.txt"), "glimmer\n3 6200 4\n");
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QSignalSpy ended(&main, &frmMain::ProgramEnded);
        bool returnShown = true;
        LoginScript script(main.Login(), {
            [&](frmLogin* login) {
                returnShown = login->btnReturn->isVisible();
                login->Names->setEditText(QString());
                Click(login->btnLoad);
            },
            [](frmLogin* login) { Click(login->btnQuit); },
        });
        main.show();
        main.PlayerFlow();
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(script.shown, 2);
        QVERIFY(!returnShown);
    }

    void AChosenPlayerGetsTheFirstCategoryForTheirLevel()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        main.Canvas->AddGraphic(QStringLiteral("2001"), false);
        QCOMPARE(main.Canvas->DisplayList().size(), 1);
        QSignalSpy picked(main.MiddleButtons, &MiddleButtonsControl::PickCategory);
        bool returnShownLater = false;
        LoginScript script(main.Login(), {
            ChoosePlayer(QStringLiteral("Holly")),
            [&](frmLogin* login) {
                returnShownLater = login->btnReturn->isVisible();
                Click(login->btnReturn);
            },
        });
        main.show();
        main.PlayerFlow();
        // Level 3 opens the first three groups of Glimmer: 3 + 2 + 2 pictures.
        QTRY_COMPARE(main.ThumbNailScroller->ImageKeys().size(), 7);
        QCOMPARE(main.ThumbNailScroller->Type(), 1);
        QCOMPARE(script.shown, 1);
        QCOMPARE(main.Login()->UserName(), QStringLiteral("Holly"));
        QVERIFY(main.isVisible());
        // Loading a player starts a new picture.
        QVERIFY(main.Canvas->DisplayList().isEmpty());
        // Shown directly and once more through the category button's event.
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked[0][0].toInt(), 1);
        QCOMPARE(main.MiddleButtons->Category(), 1);
        QVERIFY(main.MiddleButtons->Button(1)->State());

        // The Login button opens it again, now with the way back, and the picture stays.
        main.Canvas->AddGraphic(QStringLiteral("2002"), false);
        Click(main.LeftButtons->btnMain);
        QTRY_COMPARE(script.shown, 2);
        QTRY_VERIFY(main.isVisible());
        QVERIFY(returnShownLater);
        QVERIFY(!main.Ended());
        QCOMPARE(main.Login()->UserName(), QStringLiteral("Holly"));
        QCOMPARE(main.Canvas->DisplayList().size(), 1);
    }

    void ALevelFivePlayerPicksGlimmerFromTheStripOntoTheCanvas()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        LoginScript script(main.Login(), {ChoosePlayer(QStringLiteral("Star"))});
        main.show();
        main.PlayerFlow();
        ::ThumbNailScroller* strip = main.ThumbNailScroller;
        QTRY_COMPARE(strip->ImageKeys(), QStringList({"2003", "2002", "2005", "2004", "2007", "2006", "2009", "2008",
                                                      "2010", "2001"}));
        QCOMPARE(main.Login()->UserLevel(), 5);
        QCOMPARE(strip->Visible(), 5);
        const QList<ThumbNailImage*> thumbs = strip->ThumbNails();
        QVERIFY(thumbs[1]->isVisible());
        QCOMPARE(thumbs[1]->Tag(), QStringLiteral("2002"));
        QVERIFY(!thumbs[1]->pixmap().isNull());

        // The caption of the thumbnail under the pointer shows on the main window's caption line.
        QMouseEvent hover(QEvent::MouseMove, QPointF(20, 20), thumbs[1]->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(thumbs[1], &hover);
        QCOMPARE(main.ThumbName->text(), QStringLiteral("Glimmer looking back"));

        const QImage empty = main.Canvas->Surface()->Buffer().toImage();
        QTest::mouseClick(thumbs[1], Qt::LeftButton, Qt::NoModifier, QPoint(25, 20));
        QCOMPARE(main.Canvas->DisplayList(), QStringList({"1"}));
        QCOMPARE(main.Canvas->HolderAt(1)->tag, QStringLiteral("2002"));
        QCOMPARE(main.Canvas->Selected(), 1);
        // Painted at the template place: a good part of the picture's rectangle changed.
        const CanvasControl::Holder* placed = main.Canvas->HolderAt(1);
        const double toPixels = main.Canvas->Scale() / main.Canvas->TwipsPerPixelX();
        const QRect area(qRound(placed->left * toPixels), qRound(placed->top * toPixels),
                         qRound(placed->width * toPixels), qRound(placed->height * toPixels));
        QVERIFY(area.width() > 20 && area.height() > 20);
        const QImage drawn = main.Canvas->Surface()->Buffer().toImage();
        QVERIFY(ChangedPixels(empty, drawn, area) > area.width() * area.height() / 10);
        QCOMPARE(ChangedPixels(empty, drawn, QRect(0, 0, area.left() - 2, empty.height())), 0);
    }

    void PanelAndStripEventsReachTheCanvas()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        emit main.ThumbNailScroller->ThumbNailSelected(QStringLiteral("6000"), true);
        QCOMPARE(main.Canvas->Background(), 1);
        emit main.ThumbNailScroller->ThumbNailSelected(QStringLiteral("2001"), false);
        emit main.ThumbNailScroller->ThumbNailSelected(QStringLiteral("3001"), false);
        QCOMPARE(main.Canvas->DisplayList(), QStringList({"3", "2", "1"}));
        Click(main.LeftButtons->btnRemove);
        QCOMPARE(main.Canvas->DisplayList(), QStringList({"2", "1"}));
        Click(main.LeftButtons->btnClearAll);
        QVERIFY(main.Canvas->DisplayList().isEmpty());
        QCOMPARE(main.Canvas->Background(), -1);

        // Without a player the level is 0: the first group only.
        main.MiddleButtons->SelectButton(4);
        QCOMPARE(main.ThumbNailScroller->Type(), 4);
        QCOMPARE(main.ThumbNailScroller->ImageKeys(), QStringList({"5003", "5002", "5001"}));
        main.ThumbNailScroller->ThumbNailClick(2);
        QCOMPARE(main.Canvas->HolderAt(1)->tag, QStringLiteral("5001"));
        QCOMPARE(main.Canvas->Background(), -1);
    }

    void PrintButtonAndMenuPrintTheCanvas()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed here: the card would go to paper");
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QSignalSpy printed(main.Canvas, &CanvasControl::PrintedToFile);
        emit main.ThumbNailScroller->ThumbNailSelected(QStringLiteral("6002"), true);
        Click(main.RightButtons->btnPrint);
        QCOMPARE(printed.count(), 1);
        const QString path = printed[0][0].toString();
        QVERIFY(QFile::exists(path));
        // Without a printer the caption line says where the card went.
        QVERIFY(main.ThumbName->text().endsWith(QFileInfo(path).fileName()));
        QCOMPARE(main.ThumbName->toolTip(), path);
        main.mnuFilePrint->trigger();
        QCOMPARE(printed.count(), 2);
        // A second card in the same second gets a name of its own.
        const QString second = printed[1][0].toString();
        QVERIFY(QFile::exists(path));
        QVERIFY(QFile::exists(second));
        QFile::remove(path);
        QFile::remove(second);
        if (QFileInfo(second).fileName().startsWith(QFileInfo(path).completeBaseName()))
            QCOMPARE(QFileInfo(second).fileName(), QFileInfo(path).completeBaseName() + QStringLiteral(" (2).pdf"));
        // A caption shown later takes the saved card's path away.
        main.MiddleButtons->SelectButton(1);
        main.ThumbNailScroller->ThumbNailHover(0);
        QCOMPARE(main.ThumbName->text(), QStringLiteral("Curious Glimmer"));
        QVERIFY(main.ThumbName->toolTip().isEmpty());
    }

    void TheTextButtonEditsTheCanvasText()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        frmText* text = main.TextWindow();
        QString offered;
        QTimer::singleShot(0, &main, [&] {
            QCOMPARE(QApplication::activeModalWidget(), text);
            text->MyTextBox()->setPlainText(QStringLiteral("Merry\nChristmas"));
            text->ChooseSize(24);
            Click(text->Button("btnOK"));
        });
        Click(main.RightButtons->btnText);
        QCOMPARE(main.Canvas->GetText(), QStringLiteral("Merry\r\nChristmas"));
        QCOMPARE(main.Canvas->LabelFont().pointSize(), 24);

        // Cancel keeps the canvas's text; the window offered the canvas's text, not its last edit.
        QTimer::singleShot(0, &main, [&] {
            offered = text->MyTextBox()->toPlainText();
            text->MyTextBox()->setPlainText(QStringLiteral("Thrown away"));
            Click(text->Button("btnCancel"));
        });
        Click(main.RightButtons->btnText);
        QCOMPARE(offered, QStringLiteral("Merry\nChristmas"));
        QCOMPARE(main.Canvas->GetText(), QStringLiteral("Merry\r\nChristmas"));
    }

    void WithoutMusicTheButtonStaysOffAndTracksFollowThePlayer()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QVERIFY(!main.CDPlayer->IsOpen());
        QTest::mousePress(main.RightButtons->btnMusic, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTest::mouseRelease(main.RightButtons->btnMusic, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!main.RightButtons->MusicOn());
        QVERIFY(!main.RightButtons->btnMusic->ShowingOn());
        main.mnuMusicTrack[1]->trigger();
        QCOMPARE(TrackChecks(main), QStringList({"-", "-", "-"}));

        emit main.CDPlayer->AudioTrackChange(3);
        QCOMPARE(TrackChecks(main), QStringList({"-", "x", "-"}));
        emit main.CDPlayer->AudioTrackChange(2);
        QCOMPARE(TrackChecks(main), QStringList({"x", "-", "-"}));
        emit main.CDPlayer->AudioTrackChange(5);
        QCOMPARE(TrackChecks(main), QStringList({"-", "-", "-"}));
    }

    void ClosingTakesTheOtherWindowsAlong()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QSignalSpy ended(&main, &frmMain::ProgramEnded);
        main.show();
        QWidget stray;
        stray.show();
        main.mnuFileExit->trigger();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!stray.isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(!main.TextWindow()->isVisible());
        // The login never opens once the window has closed.
        main.PlayerFlow();
        QVERIFY(!main.Login()->isVisible());
    }

    void TheAboutBoxClosesOnAClickAnywhere()
    {
        QuietLauncher launcher;
        frmMain main(launcher, nullptr);
        main.Load();
        QSize shownSize;
        QString shownTitle;
        QTimer::singleShot(0, &main, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            shownSize = about->size();
            shownTitle = about->windowTitle();
            QTest::mouseClick(about, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
        });
        main.mnuHelpAbout->trigger();
        QCOMPARE(shownSize, QSize(512, 384));
        QCOMPARE(shownTitle, QStringLiteral("About Cardwright"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void TheSplashStaysUntilTwoSecondsAfterTheNearestWholeSecond()
    {
        QCOMPARE(MainMod::SplashEnd(100.4), 102.0);
        QCOMPARE(MainMod::SplashEnd(100.6), 103.0);
        // The monotonic clock does not start again at midnight: a start at 86399.7 waits to 86402.
        QCOMPARE(MainMod::SplashEnd(86399.7), 86402.0);
    }
};

CARD_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
