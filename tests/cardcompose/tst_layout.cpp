// Where cardwright reads its players and clip art: the install-folder setting, a portable folder,
// and an installed tree (PREFIX/bin with PREFIX/share) with the player's data under $XDG_DATA_HOME.
#include "InstallDirSetting.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool Write(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mSettings;
    QTemporaryDir mDataHome;
    QTemporaryDir mPortable;
    QTemporaryDir mPrefix;

    QString Portable() const { return mPortable.path(); }
    QString InstalledBin() const { return mPrefix.filePath(QStringLiteral("bin")); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mSettings.path());
        qputenv("XDG_DATA_HOME", mDataHome.path().toLocal8Bit());
        // Portable: the program beside _media, its players and its clip art.
        QVERIFY(QDir(Portable()).mkpath(QStringLiteral("_media")));
        QVERIFY(Write(QDir(Portable()).filePath(QStringLiteral("highscore.txt")), "Pip\n1 10 0\n"));
        QVERIFY(Write(QDir(Portable()).filePath(QStringLiteral("images/2001.emf")), "x"));
        // Installed: PREFIX/bin/cardwright, the game's starting list and cardwright's clip art in share.
        QVERIFY(QDir(mPrefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(Write(mPrefix.filePath(QStringLiteral("share/skyrun/highscore.txt")), "Glimmer\n4 9850 7\n"));
        QVERIFY(Write(mPrefix.filePath(QStringLiteral("share/cardwright/images/2001.emf")), "x"));
    }

    void init() { InstallDirSetting::Forget(); }

    void theSettingReadsBackWithAndWithoutItsDefault()
    {
        QVERIFY(!InstallDirSetting::IsSet());
        QCOMPARE(InstallDirSetting::WithoutDefault(), QString());
        QCOMPARE(InstallDirSetting::WithDefault(), InstallDirSetting::ProgramFolder());
        InstallDirSetting::Store(QStringLiteral("/opt/cards"));
        QVERIFY(InstallDirSetting::IsSet());
        QCOMPARE(InstallDirSetting::WithDefault(), QStringLiteral("/opt/cards"));
        QCOMPARE(InstallDirSetting::WithoutDefault(), QStringLiteral("/opt/cards"));
    }

    void portableReadsEverythingBesideTheProgram()
    {
        QCOMPARE(InstallDirSetting::HighScoreFile(Portable()), QDir(Portable()).filePath(QStringLiteral("highscore.txt")));
        QCOMPARE(QDir(InstallDirSetting::ImagesFolder(Portable())), QDir(QDir(Portable()).filePath(QStringLiteral("images"))));
        // Nothing is created for the player in a portable run.
        QVERIFY(!QFile::exists(QDir(mDataHome.path()).filePath(QStringLiteral("skyrun/highscore.txt"))));
    }

    void installedReadsThePlayersCopyAndTheSharedClipArt()
    {
        const QString players = QDir(mDataHome.path()).filePath(QStringLiteral("skyrun/highscore.txt"));
        QFile::remove(players);
        QCOMPARE(InstallDirSetting::HighScoreFile(InstalledBin()), players);
        // Seeded from the installed list the first time, then the player's copy is kept.
        QCOMPARE(Read(players), QByteArray("Glimmer\n4 9850 7\n"));
        QVERIFY(Write(players, "Glimmer\n5 12000 9\n"));
        QCOMPARE(InstallDirSetting::HighScoreFile(InstalledBin()), players);
        QCOMPARE(Read(players), QByteArray("Glimmer\n5 12000 9\n"));

        const QString images = InstallDirSetting::ImagesFolder(InstalledBin());
        QVERIFY(QFile::exists(QDir(images).filePath(QStringLiteral("2001.emf"))));
        QCOMPARE(QDir(images), QDir(mPrefix.filePath(QStringLiteral("share/cardwright/images"))));
    }

    void anExplicitSettingWinsInEitherLayout()
    {
        QTemporaryDir chosen;
        InstallDirSetting::Store(chosen.path());
        for (const QString& program : {Portable(), InstalledBin()}) {
            QCOMPARE(InstallDirSetting::HighScoreFile(program), QDir(chosen.path()).filePath(QStringLiteral("highscore.txt")));
            QCOMPARE(InstallDirSetting::ImagesFolder(program), QDir(chosen.path()).filePath(QStringLiteral("images")));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
