// Reads and writes the install-folder setting through QSettings.
#include "InstallDirSetting.h"

#include <QCoreApplication>
#include <QSettings>

namespace InstallDirSetting {

namespace {

QString Read(const QString& fallback)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    return settings.value(QString::fromLatin1(kKey), fallback).toString();
}

} // namespace

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString WithDefault()
{
    return Read(ProgramFolder());
}

QString WithoutDefault()
{
    return Read(QString());
}

void Store(const QString& folder)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(QString::fromLatin1(kKey), folder);
}

} // namespace InstallDirSetting
