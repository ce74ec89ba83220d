// The music player over the virtual CD drive with a silent output: start, toggle, resume, track choice, wrap-around.
#include "CardTestSupport.h"

#include "CDPlayerControl.h"
#include "CdAudioOutput.h"
#include "VirtualCdDrive.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Plays nothing; the test says when a file has played to its end.
class SilentOutput : public CdAudioOutput {
public:
    struct PlayRecord {
        QString file;
        uint32_t fromMs;
        uint32_t toMs;
    };

    bool Play(const std::string& path, uint32_t fromMs, uint32_t toMs) override
    {
        plays.push_back({QFileInfo(QString::fromStdString(path)).fileName(), fromMs, toMs});
        playing = true;
        positionMs = fromMs;
        return true;
    }
    void Stop() override { playing = false; }
    bool IsPlaying() override { return playing; }
    uint32_t PositionMs() override { return positionMs; }

    std::vector<PlayRecord> plays;
    bool playing = false;
    uint32_t positionMs = 0;
};

// A program folder whose "cd" holds track files 2..lastTrack.
struct Disc {
    explicit Disc(int lastTrack)
    {
        QDir(folder.path()).mkpath(QStringLiteral("cd"));
        for (int track = 2; track <= lastTrack; ++track)
            CardTestSupport::WriteFile(folder, QStringLiteral("cd/track%1.ogg").arg(track, 2, 10, QLatin1Char('0')),
                                       "OggS");
        drive = std::make_unique<VirtualCdDrive>(output, folder.path().toStdString());
    }

    // The drive notices the end of the file, then the player answers from the event loop.
    void EndOfFile()
    {
        output.playing = false;
        drive->Update();
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    SilentOutput output;
    std::unique_ptr<VirtualCdDrive> drive;
};

} // namespace

class CdPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void StartsOnTheFirstMusicTrackWithoutPlaying()
    {
        Disc disc(4);
        CDPlayerControl player(disc.drive.get());
        QSignalSpy changes(&player, &CDPlayerControl::AudioTrackChange);
        player.Start();
        QVERIFY(player.IsOpen());
        QCOMPARE(player.FirstAudio(), 2);
        QCOMPARE(player.LastAudio(), 4);
        QCOMPARE(player.Track(), 2);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes[0][0].toInt(), 2);
        QVERIFY(disc.output.plays.empty());
        QVERIFY(!player.Playing());
    }

    void ToggleStartsStopsAndResumesWhereItStopped()
    {
        Disc disc(4);
        CDPlayerControl player(disc.drive.get());
        player.Start();

        QVERIFY(player.PlayToggle());
        QCOMPARE(disc.output.plays.size(), size_t(1));
        QCOMPARE(disc.output.plays[0].file, QStringLiteral("track02.ogg"));
        QCOMPARE(disc.output.plays[0].fromMs, 0u);
        QVERIFY(player.Playing());

        disc.output.positionMs = 42000;
        QVERIFY(!player.PlayToggle());
        QVERIFY(!player.Playing());
        QVERIFY(!disc.output.playing);

        QVERIFY(player.PlayToggle());
        QCOMPARE(disc.output.plays.size(), size_t(2));
        QCOMPARE(disc.output.plays[1].file, QStringLiteral("track02.ogg"));
        QCOMPARE(disc.output.plays[1].fromMs, 42000u);
        // The stop's end-of-play notice (aborted) must not move the player on.
        QCoreApplication::processEvents();
        QCOMPARE(player.Track(), 2);
        QCOMPARE(disc.output.plays.size(), size_t(2));
    }

    void ChoosingATrackSwitchesOnlyWhileMusicPlays()
    {
        Disc disc(4);
        CDPlayerControl player(disc.drive.get());
        QSignalSpy changes(&player, &CDPlayerControl::AudioTrackChange);
        player.Start();

        // While stopped only the choice moves.
        player.SetTrack(3);
        QCOMPARE(player.Track(), 3);
        QVERIFY(disc.output.plays.empty());
        QCOMPARE(changes.last()[0].toInt(), 3);

        // The next start begins at the chosen track, from its beginning.
        player.PlayToggle();
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track03.ogg"));
        QCOMPARE(disc.output.plays.back().fromMs, 0u);

        // While playing, a choice switches at once.
        disc.output.positionMs = 9000;
        player.SetTrack(4);
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track04.ogg"));
        QCOMPARE(disc.output.plays.back().fromMs, 0u);
        QCOMPARE(changes.last()[0].toInt(), 4);
        QCoreApplication::processEvents();
        QCOMPARE(player.Track(), 4);
        QVERIFY(player.Playing());

        // Out of the music range: back to the first music track; out of any range: ignored.
        player.SetTrack(7);
        QCOMPARE(player.Track(), 2);
        player.SetTrack(0);
        QCOMPARE(player.Track(), 2);
        QCOMPARE(player.LastReport(), QStringLiteral("0 is not a valid audio track"));
    }

    void EachTrackLeadsToTheNextAndTheLastBackToTheFirst()
    {
        Disc disc(4);
        CDPlayerControl player(disc.drive.get());
        QSignalSpy changes(&player, &CDPlayerControl::AudioTrackChange);
        player.Start();
        player.PlayToggle();

        disc.EndOfFile();
        QCOMPARE(player.Track(), 3);
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track03.ogg"));
        disc.EndOfFile();
        QCOMPARE(player.Track(), 4);
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track04.ogg"));
        disc.EndOfFile();
        QCOMPARE(player.Track(), 2);
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track02.ogg"));
        QCOMPARE(disc.output.plays.back().fromMs, 0u);
        QVERIFY(player.Playing());
        QCOMPARE(changes.last()[0].toInt(), 2);

        // Stopped music stays stopped when its file ends late.
        player.PlayToggle();
        disc.EndOfFile();
        QCOMPARE(player.Track(), 2);
        QVERIFY(!player.Playing());
    }

    void ADiscWithThreeTracksPlaysTwoOfThem()
    {
        Disc disc(3);
        CDPlayerControl player(disc.drive.get());
        player.Start();
        QCOMPARE(player.LastAudio(), 3);
        player.SetTrack(4);
        QCOMPARE(player.Track(), 2);
        player.SetTrack(3);
        player.PlayToggle();
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track03.ogg"));
        disc.EndOfFile();
        QCOMPARE(player.Track(), 2);
        QCOMPARE(disc.output.plays.back().file, QStringLiteral("track02.ogg"));
    }

    void WithoutDriveOrDiscThePlayerStaysClosed()
    {
        CDPlayerControl noDevice(nullptr);
        noDevice.Start();
        QVERIFY(!noDevice.IsOpen());
        QVERIFY(!noDevice.PlayToggle());
        noDevice.SetTrack(3);
        QCOMPARE(noDevice.Track(), 0);

        QTemporaryDir empty;
        SilentOutput output;
        VirtualCdDrive drive(output, empty.path().toStdString());
        CDPlayerControl noDisc(&drive);
        QSignalSpy changes(&noDisc, &CDPlayerControl::AudioTrackChange);
        noDisc.Start();
        QVERIFY(!noDisc.IsOpen());
        QVERIFY(!noDisc.PlayToggle());
        QCOMPARE(changes.count(), 0);
        QVERIFY(output.plays.empty());
    }

    void EndingStopsTheMusic()
    {
        Disc disc(4);
        {
            CDPlayerControl player(disc.drive.get());
            player.Start();
            player.PlayToggle();
            QVERIFY(disc.output.playing);
        }
        QVERIFY(!disc.output.playing);
    }
};

CARD_TEST_MAIN(CdPlayerTest)
#include "CdPlayerTest.moc"
