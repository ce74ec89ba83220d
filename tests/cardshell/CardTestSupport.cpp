// Offscreen platform and test-mode settings for cardwright's widget tests.
#include "CardTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdlib>

namespace CardTestSupport {

void PrepareEnvironment()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(true);
    // Settings of this test program alone: test programs run side by side and each sets the install folder.
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}

void WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& contents)
{
    QFile file(QDir(folder.path()).filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

} // namespace CardTestSupport
