// Fixture writing and pixel measuring for the card tests.
#include "CardTestSupport.h"

#include "InstallDirSetting.h"
#include "UemfFixtures.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace CardTest {

void UseInstallFolder(const QString& folder)
{
    QStandardPaths::setTestModeEnabled(true);
    // Settings of this test program alone: test programs run side by side and each sets the folder.
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    InstallDirSetting::Store(folder);
}

bool WriteFixtures(const QString& folder)
{
    const QString images = QDir(folder).filePath(QStringLiteral("images"));
    QDir().mkpath(images);
    auto at = [&](const char* name) { return QDir(images).filePath(QString::fromLatin1(name)); };
    // Frames in 0.01 mm: 2540 is one inch (1440 twips).
    bool ok = UemfFixtures::WriteEmf(at("7001.emf"), 5080, 2540, 200, 100, Qt::white, Qt::red, QRect(10, 10, 180, 80),
                                     QRect(0, 0, 1, 1));
    ok = ok && UemfFixtures::WriteEmf(at("7002.emf"), 5080, 2540, 200, 100, Qt::white, Qt::blue,
                                      QRect(10, 10, 180, 80), QRect(0, 0, 1, 1));
    ok = ok && UemfFixtures::WriteWmf(at("7003.wmf"), 1000, 1000, 1000, Qt::white, Qt::green, QRect(100, 100, 800, 800));
    ok = ok && UemfFixtures::WriteEmf(at("7100.emf"), 25400, 12700, 400, 200, QColor(230, 230, 230), QColor(40, 40, 40),
                                      QRect(0, 0, 40, 40), QRect(0, 0, 1, 1));
    ok = ok && UemfFixtures::WriteEmf(at("7101.emf"), 12700, 12700, 100, 100, QColor(180, 210, 250),
                                      QColor(20, 40, 160), QRect(0, 0, 10, 10), QRect(0, 0, 1, 1));
    QImage dib(60, 40, QImage::Format_RGB32);
    dib.fill(Qt::yellow);
    ok = ok && dib.save(at("7004.dib"), "BMP");
    QFile damaged(at("7900.emf"));
    if (damaged.open(QIODevice::WriteOnly)) {
        QFile good(at("7001.emf"));
        good.open(QIODevice::ReadOnly);
        QByteArray bytes = good.readAll();
        bytes.truncate(bytes.size() / 2);
        damaged.write(bytes);
    }
    return ok;
}

double Coverage(const QImage& image, const QRect& area, QColor colour, int tolerance)
{
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) return 0;
    int hits = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++hits;
        }
    return double(hits) / (r.width() * r.height());
}

} // namespace CardTest
