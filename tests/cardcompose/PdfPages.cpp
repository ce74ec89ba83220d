// pdftoppm writes one PNG for the page; the image is read back and the file removed.
#include "PdfPages.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace PdfPages {

QImage Render(const QString& pdf, int dpi, int page)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                               QString::number(page), QStringLiteral("-l"), QString::number(page),
                                               QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace PdfPages
