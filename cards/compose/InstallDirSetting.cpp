// Reads and writes the install-folder setting through QSettings and applies the package's folder rules.
#include "InstallDirSetting.h"

#include "UserDataFolder.h"

#include <QCoreApplication>
#include <QDir>
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

bool IsSet()
{
    return !WithoutDefault().isEmpty();
}

void Store(const QString& folder)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(QString::fromLatin1(kKey), folder);
}

void Forget()
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.remove(QString::fromLatin1(kKey));
}

QString HighScoreFile(const QString& programFolder)
{
    if (IsSet())
        return QDir(WithoutDefault()).filePath(QStringLiteral("highscore.txt"));
    return QString::fromStdString(userdata::SharedHighScoreFile(programFolder.toStdString()));
}

QString ImagesFolder(const QString& programFolder)
{
    if (IsSet())
        return QDir(WithoutDefault()).filePath(QStringLiteral("images"));
    if (userdata::IsPortable(programFolder.toStdString()))
        return QDir(programFolder).filePath(QStringLiteral("images"));
    return QString::fromStdString(userdata::InstalledDataFolder(programFolder.toStdString(), "cardwright")) +
           QStringLiteral("/images");
}

} // namespace InstallDirSetting
