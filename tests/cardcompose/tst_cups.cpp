// Printing through a real CUPS queue: a private cupsd with the cups-pdf printer as the default, the card
// printed with File > Print's routine, the PDF that cups-pdf writes rendered and looked at.
#include "CanvasControl.h"
#include "CardTestSupport.h"
#include "PdfPages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

class CupsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mInstall;
    QTemporaryDir mCups;
    QProcess mCupsd;
    QString mSocket;

    bool WriteFile(const QString& name, const QString& text)
    {
        QFile file(mCups.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
    }

    bool Run(const QString& program, const QStringList& args)
    {
        QProcess process;
        process.start(program, args);
        return process.waitForFinished(30000) && process.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        const char* missing = nullptr;
        if (geteuid() != 0) missing = "not running as root, so no private cupsd can run the cups-pdf backend";
        else if (!QFile::exists(QStringLiteral("/usr/sbin/cupsd"))) missing = "cupsd is not installed (package cups)";
        else if (!QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
            missing = "the cups-pdf backend is not installed (package printer-driver-cups-pdf)";
        else if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            missing = "pdftoppm is not installed (package poppler-utils)";
        if (missing) QSKIP(missing);

        CardTest::UseInstallFolder(mInstall.path());
        QVERIFY(CardTest::WriteFixtures(mInstall.path()));
        // A cupsd of our own on a private socket: the machine's printers are neither used nor touched.
        const QString root = mCups.path();
        for (const char* dir : {"root/ppd", "spool", "tmp", "cache", "state", "log"}) QDir().mkpath(mCups.filePath(QString::fromLatin1(dir)));
        QFile::setPermissions(mCups.filePath(QStringLiteral("tmp")), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(root, QFileDevice::Permissions(0x7755));
        mSocket = mCups.filePath(QStringLiteral("cups.sock"));
        // libcups reads the server once, at its first use, which comes after this.
        qputenv("CUPS_SERVER", mSocket.toLocal8Bit());
        QVERIFY(WriteFile(QStringLiteral("cupsd.conf"),
                          QStringLiteral("Listen %1\nLogLevel warn\nDefaultAuthType None\nWebInterface No\n"
                                         "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n")
                              .arg(mSocket)));
        QVERIFY(WriteFile(QStringLiteral("cups-files.conf"),
                          QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                                         "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                         "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                         "SystemGroup root\nSandboxing Relaxed\n")
                              .arg(root)));
        mCupsd.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), mCups.filePath(QStringLiteral("cupsd.conf")),
                                                         QStringLiteral("-s"), mCups.filePath(QStringLiteral("cups-files.conf"))});
        QElapsedTimer wait;
        wait.start();
        while (!QFile::exists(mSocket) && wait.elapsed() < 15000) QTest::qWait(100);
        if (!QFile::exists(mSocket)) QSKIP("cupsd could not be started here");
        QVERIFY(Run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), mSocket, QStringLiteral("-p"), QStringLiteral("CardwrightPDF"),
                                                QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                                                QStringLiteral("-P"), QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}));
        QVERIFY(Run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), mSocket, QStringLiteral("-d"), QStringLiteral("CardwrightPDF")}));
    }

    void cleanupTestCase()
    {
        if (mCupsd.state() != QProcess::NotRunning) {
            mCupsd.terminate();
            if (!mCupsd.waitForFinished(10000)) mCupsd.kill();
        }
    }

    void printsThroughTheDefaultQueue()
    {
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QStringLiteral("CardwrightPDF"));
        // cups-pdf writes to the job owner's PDF folder.
        const QDir out(QDir::homePath() + QStringLiteral("/PDF"));
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        CanvasControl canvas;
        QSignalSpy saved(&canvas, &CanvasControl::PrintedToFile);
        canvas.AddGraphic(QStringLiteral("7100"), true);
        canvas.AddGraphic(QStringLiteral("7001"), false);
        canvas.AddText(QStringLiteral("Season's\r\nGreetings"), QStringLiteral("DejaVu Sans"), 24);
        canvas.SetPrinterName(QStringLiteral("RemovedSinceSetup")); // a chosen printer that is gone: the default
        canvas.CanvasPrint();
        QCOMPARE(saved.size(), 0); // a real printer: no PDF fallback
        QString pdf;
        QElapsedTimer wait;
        wait.start();
        while (pdf.isEmpty() && wait.elapsed() < 60000) {
            for (const QFileInfo& file : out.entryInfoList({QStringLiteral("*Card*.pdf")}, QDir::Files, QDir::Time))
                if (file.lastModified() >= started && file.size() > 0) { pdf = file.filePath(); break; }
            if (pdf.isEmpty()) QTest::qWait(250);
        }
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF from cups-pdf in %1").arg(out.path())));
        QTest::qWait(500); // cups-pdf writes the file in one go; give it a moment to close
        const QImage page = PdfPages::Render(pdf, 72);
        QVERIFY(!page.isNull());
        // The queue puts the landscape card on upright paper, turned: the content is what counts.
        // The background's dark corner mark and the red picture are on the paper.
        int dark = 0, red = 0;
        for (int y = 0; y < page.height(); y += 2)
            for (int x = 0; x < page.width(); x += 2) {
                const QColor c = page.pixelColor(x, y);
                dark += c.red() < 70 && c.green() < 70 && c.blue() < 70;
                red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            }
        QVERIFY2(dark > 1000, "the background's corner mark is missing");
        QVERIFY2(red > 2000, "the red picture is missing");
        QFile::remove(pdf);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CupsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cups.moc"
