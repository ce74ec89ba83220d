// Reading the game's player list the login's way, choosing a player, and starting the game instead.
#include "CardTestSupport.h"

#include "InstallDirSetting.h"
#include "Launcher.h"
#include "PlayerTable.h"
#include "RollButton.h"
#include "frmLogin.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <limits>
#include <sstream>

namespace {

// Remembers where and what it was asked to start; the answers are scripted.
class RecordingLauncher : public Launcher {
public:
    LaunchResult Start(const std::string& commandLine) override
    {
        starts.push_back({QDir::currentPath(), QString::fromStdString(commandLine)});
        if (answers.empty())
            return LaunchResult::Started;
        const LaunchResult answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    struct StartRecord {
        QString folder;
        QString commandLine;
    };
    std::vector<StartRecord> starts;
    std::vector<LaunchResult> answers;
};

PlayerTable Read(const std::string& text)
{
    std::istringstream in(text);
    PlayerTable table;
    table.ReadFrom(in);
    return table;
}

void Click(RollButton* button)
{
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

} // namespace

class LoginTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mInstall;

    // An install folder holding this highscore.txt, in the settings.
    void InstallList(const QByteArray& contents)
    {
        QFile::remove(QDir(mInstall.path()).filePath(QStringLiteral("highscore.txt")));
        if (!contents.isNull())
            CardTestSupport::WriteFile(mInstall, QStringLiteral("highscore.txt"), contents);
        InstallDirSetting::Store(mInstall.path());
    }

private slots:
    void cleanup()
    {
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }

    void FieldsSplitAtCommasAndLineEndsAndNumbersAtBlanks()
    {
        const PlayerTable game = Read("Glimmer\n4 9850 7\nHolly Berry\n3 6200 4\n");
        QCOMPARE(game.Count(), int16_t(2));
        QCOMPARE(game.Rows()[1].name, std::string("Holly Berry"));
        QCOMPARE(game.Rows()[1].level, 3);
        QCOMPARE(game.Rows()[1].second, 6200);
        QCOMPARE(game.Rows()[1].third, 4);

        // A comma splits the name line; the rest of it is taken as the level.
        const PlayerTable comma = Read("Smith, 7\r\n9 100 2\r\nPip\r\n1 5 0\r\n");
        QCOMPARE(comma.Rows()[0].name, std::string("Smith"));
        QCOMPARE(comma.Rows()[0].level, 7);
        QCOMPARE(comma.Rows()[0].second, 9);
        QCOMPARE(comma.Rows()[0].third, 100);
        QCOMPARE(comma.Rows()[1].name, std::string("2"));

        // Blank lines and empty fields before a name are passed over; leading blanks too.
        const PlayerTable blanks = Read("\n\n  ,Ivy\n  2 ,  30,4\n");
        QCOMPARE(blanks.Count(), int16_t(1));
        QCOMPARE(blanks.Rows()[0].name, std::string("Ivy"));
        QCOMPARE(blanks.Rows()[0].level, 2);
        QCOMPARE(blanks.Rows()[0].second, 30);
        QCOMPARE(blanks.Rows()[0].third, 4);
    }

    void ANameAtTheVeryEndIsDroppedAndMissingNumbersReadAsZero()
    {
        QCOMPARE(Read("Glimmer\n4 9850 7\nTobin\n").Count(), int16_t(1));
        QCOMPARE(Read("Glimmer\n4 9850 7\nTobin").Count(), int16_t(1));
        QCOMPARE(Read("").Count(), int16_t(0));
        QCOMPARE(Read("\n \n").Count(), int16_t(0));
        // A last number line without its line end still counts here (the game is stricter).
        const PlayerTable cut = Read("Tobin\n2 40");
        QCOMPARE(cut.Count(), int16_t(1));
        QCOMPARE(cut.Rows()[0].level, 2);
        QCOMPARE(cut.Rows()[0].second, 40);
        QCOMPARE(cut.Rows()[0].third, 0);
    }

    void NumbersAreHeldToTheirRange()
    {
        const PlayerTable table = Read("A\n99999999999 -2.5 x\nB\n2.5 3.5 -7\n");
        QCOMPARE(table.Rows()[0].level, std::numeric_limits<int32_t>::max());
        QCOMPARE(table.Rows()[0].second, -2);
        QCOMPARE(table.Rows()[0].third, 0);
        QCOMPARE(table.Rows()[1].level, 2);
        QCOMPARE(table.Rows()[1].second, 4);
        QCOMPARE(table.Rows()[1].third, -7);
        // A line that starts with a word is one text field, numbers and all.
        const PlayerTable words = Read("C\nlevel 3 4 5\n1\n2\n");
        QCOMPARE(words.Rows()[0].level, 0);
        QCOMPARE(words.Rows()[0].second, 1);
        QCOMPARE(words.Rows()[0].third, 2);
    }

    void AtMostFiftyPlayersAndShortFields()
    {
        std::string text;
        for (int i = 0; i < 60; ++i)
            text += "Player" + std::to_string(i) + "\n" + std::to_string(i) + " 0 0\n";
        const PlayerTable table = Read(text);
        QCOMPARE(table.Count(), int16_t(50));
        QCOMPARE(table.Rows().back().name, std::string("Player49"));

        const PlayerTable longName = Read(std::string(1000, 'x') + "\n3 0 0\n");
        QCOMPARE(longName.Rows()[0].name.size(), PlayerTable::kMaxFieldLength);
        QCOMPARE(longName.Rows()[0].level, 3);
    }

    void LevelsMatchNamesExactlyAndTheFirstOneCounts()
    {
        const PlayerTable table = Read("glimmer\n5 0 0\nTam\n2 0 0\nTam\n4 0 0\n");
        QCOMPARE(table.LevelOf("Tam"), 2);
        QCOMPARE(table.LevelOf("Glimmer"), 0);
        QCOMPARE(table.LevelOf("glimmer"), 5);
        QCOMPARE(table.LevelOf("Nobody"), 0);
    }

    void LoadingListsThePlayersOfTheInstallFolder()
    {
        InstallList("Glimmer\n4 9850 7\nHolly\n3 6200 4\n");
        RecordingLauncher launcher;
        frmLogin login(launcher);
        login.Load();
        QCOMPARE(login.size(), QSize(frmLogin::kWidth, frmLogin::kHeight));
        QCOMPARE(login.Names->count(), 2);
        QCOMPARE(login.Names->currentText(), QStringLiteral("Glimmer"));
        QCOMPARE(login.Names->pos(), QPoint(107, 95));
        QCOMPARE(login.Names->width(), 177);
        QCOMPARE(login.btnLoad->pos(), QPoint(298, 77));
        QCOMPARE(login.btnQuit->pos(), QPoint(63, 177));
        QCOMPARE(login.btnGlimmer->pos(), QPoint(154, 175));
        QCOMPARE(login.btnReturn->pos(), QPoint(321, 178));
        QCOMPARE(login.btnGlimmer->size(), QSize(120, 78));
        QVERIFY(!login.QuitClicked());
        QCOMPARE(login.UserName(), QString());
        QCOMPARE(login.UserLevel(), 0);
    }

    void AMissingListStillLetsTheUserQuitOrPlay()
    {
        InstallList(QByteArray());
        RecordingLauncher launcher;
        frmLogin login(launcher);
        login.Load();
        QCOMPARE(login.Names->count(), 0);
        Click(login.btnLoad);
        QCOMPARE(login.UserName(), QString());
        Click(login.btnQuit);
        QVERIFY(login.QuitClicked());
    }

    void ChoosingAPlayerClearsThePictureAndSetsTheLevel()
    {
        InstallList("Holly\n3 6200 4\nGlimmer\n4 9850 7\nHolly\n1 10 0\n");
        RecordingLauncher launcher;
        frmLogin login(launcher);
        login.Load();
        QSignalSpy clears(&login, &frmLogin::ClearCanvas);
        login.show();
        QVERIFY(!login.btnReturn->isVisible());

        Click(login.btnLoad);
        QCOMPARE(login.UserName(), QStringLiteral("Holly"));
        QCOMPARE(login.UserLevel(), 3);
        QCOMPARE(clears.count(), 1);
        QVERIFY(!login.isVisible());

        // Shown again with a player: the way back to the picture appears.
        login.show();
        QVERIFY(login.btnReturn->isVisible());
        Click(login.btnReturn);
        QVERIFY(!login.isVisible());
        QCOMPARE(login.UserName(), QStringLiteral("Holly"));
        QCOMPARE(clears.count(), 1);

        // A typed name that is not in the list plays at level 0.
        login.Names->setEditText(QStringLiteral("Newcomer"));
        Click(login.btnLoad);
        QCOMPARE(login.UserName(), QStringLiteral("Newcomer"));
        QCOMPARE(login.UserLevel(), 0);
    }

    void AnEmptyChoiceTakesARowNamedGlimmerOnly()
    {
        InstallList("glimmer\n2 10 0\nGlimmer\n5 90 1\n");
        RecordingLauncher launcher;
        frmLogin login(launcher);
        login.Load();
        QSignalSpy clears(&login, &frmLogin::ClearCanvas);
        login.Names->setEditText(QString());
        Click(login.btnLoad);
        QCOMPARE(login.UserName(), QStringLiteral("Glimmer"));
        QCOMPARE(login.UserLevel(), 5);
        QCOMPARE(clears.count(), 0);

        InstallList("glimmer\n2 10 0\n");
        frmLogin lower(launcher);
        lower.Load();
        lower.Names->setEditText(QString());
        Click(lower.btnLoad);
        QCOMPARE(lower.UserName(), QString());
    }

    void StartingTheGameUsesTheInstallFolderThenTheProgramFolder()
    {
        InstallList("Glimmer\n4 9850 7\n");
        RecordingLauncher launcher;
        frmLogin login(launcher);
        login.Load();
        login.show();
        Click(login.btnGlimmer);
        QVERIFY(login.QuitClicked());
        QVERIFY(!login.isVisible());
        QCOMPARE(launcher.starts.size(), size_t(1));
        QCOMPARE(QDir(launcher.starts[0].folder), QDir(mInstall.path()));
        QCOMPARE(launcher.starts[0].commandLine, QStringLiteral("spawn skyrun"));

        RecordingLauncher failing;
        failing.answers = {LaunchResult::FileNotFound, LaunchResult::Started};
        frmLogin second(failing);
        second.Load();
        Click(second.btnGlimmer);
        QCOMPARE(failing.starts.size(), size_t(2));
        QCOMPARE(QDir(failing.starts[1].folder), QDir(QCoreApplication::applicationDirPath()));
        QCOMPARE(failing.starts[1].commandLine, QStringLiteral("spawn skyrun"));
        QVERIFY(second.QuitClicked());

        // Without the setting, only the program's own folder is tried.
        QSettings(QString::fromLatin1(InstallDirSetting::kOrganisation),
                  QString::fromLatin1(InstallDirSetting::kApplication))
            .remove(QStringLiteral("Settings/installdir"));
        RecordingLauncher unset;
        frmLogin third(unset);
        third.Load();
        Click(third.btnGlimmer);
        QCOMPARE(unset.starts.size(), size_t(1));
        QCOMPARE(QDir(unset.starts[0].folder), QDir(QCoreApplication::applicationDirPath()));
        QCOMPARE(InstallDirSetting::WithDefault(), QCoreApplication::applicationDirPath());
    }

    void WithoutTheSettingThePlayersComeFromTheGamesSharedList()
    {
        // This test program's folder holds no _media: it runs as an installed program, so the
        // list is the player's own copy under $XDG_DATA_HOME/skyrun, as the game writes it.
        QTemporaryDir dataHome;
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        QDir(dataHome.path()).mkpath(QStringLiteral("skyrun"));
        QFile shared(QDir(dataHome.path()).filePath(QStringLiteral("skyrun/highscore.txt")));
        QVERIFY(shared.open(QIODevice::WriteOnly));
        shared.write("Tobin\n2 300 1\nIvy\n5 900 3\n");
        shared.close();
        InstallList("Holly\n3 6200 4\n");
        InstallDirSetting::Forget();

        RecordingLauncher launcher;
        frmLogin login(launcher);
        login.Load();
        QCOMPARE(login.Names->count(), 2);
        QCOMPARE(login.Names->itemText(1), QStringLiteral("Ivy"));

        // Set explicitly, the install folder's list is read instead.
        InstallDirSetting::Store(mInstall.path());
        frmLogin second(launcher);
        second.Load();
        QCOMPARE(second.Names->count(), 1);
        QCOMPARE(second.Names->itemText(0), QStringLiteral("Holly"));
        qputenv("XDG_DATA_HOME", oldDataHome);
    }
};

CARD_TEST_MAIN(LoginTest)
#include "LoginTest.moc"
