// Reads and writes the install-folder setting through QSettings.
#include "InstallFolder.h"

#include <QCoreApplication>
#include <QSettings>

namespace InstallFolder {

namespace {
const char* const kApplication = "Glimmer Cardwright";
}

QString Get(bool withDefault)
{
    QSettings settings(QString::fromLatin1(kApplication), QString::fromLatin1(kApplication));
    settings.beginGroup(QStringLiteral("Settings"));
    const QString fallback = withDefault ? QCoreApplication::applicationDirPath() : QString();
    return settings.value(QStringLiteral("installdir"), fallback).toString();
}

void Set(const QString& folder)
{
    QSettings settings(QString::fromLatin1(kApplication), QString::fromLatin1(kApplication));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("installdir"), folder);
}

} // namespace InstallFolder
