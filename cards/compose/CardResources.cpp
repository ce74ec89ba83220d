// Reads the resource bitmaps by number and the string tables the media generator wrote.
#include "CardResources.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTextStream>

namespace CardResources {

namespace {

QString BitmapPath(int id)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

// Every "strings/*.txt" table merged; lines are "NUMBER<tab>text".
const QHash<int, QString>& Strings()
{
    static const QHash<int, QString> strings = [] {
        QHash<int, QString> table;
        const QDir folder(QStringLiteral(":/strings"));
        for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            QTextStream in(&file);
            in.setEncoding(QStringConverter::Utf8);
            while (!in.atEnd()) {
                const QString line = in.readLine();
                const qsizetype tab = line.indexOf(QLatin1Char('\t'));
                bool ok = false;
                const int id = line.left(tab).toInt(&ok);
                if (tab > 0 && ok)
                    table.insert(id, line.mid(tab + 1));
            }
        }
        return table;
    }();
    return strings;
}

} // namespace

QPixmap Bitmap(int id)
{
    return QPixmap(BitmapPath(id));
}

bool HasBitmap(int id)
{
    return QFile::exists(BitmapPath(id));
}

std::optional<QString> String(int id)
{
    auto found = Strings().find(id);
    if (found == Strings().end())
        return std::nullopt;
    return *found;
}

} // namespace CardResources
