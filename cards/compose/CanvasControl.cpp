// The canvas's display list and its mouse, paint and print rules.
#include "CanvasControl.h"

#include "CanvasLabel.h"
#include "CanvasSurface.h"
#include "InstallDirSetting.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cmath>

namespace {

// Halves go to the even neighbour, as every rounding on the canvas does.
int RoundEven(double v)
{
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -2147483648.0, 2147483647.0)));
}

constexpr int kSurfaceLeft = 8;
constexpr int kSurfaceTop = 54;
constexpr int kSurfaceWidth = 427;
constexpr int kSurfaceHeight = 269;
constexpr int kLabelWidth = 373;
constexpr int kLabelHeight = 108;

} // namespace

CanvasControl::CanvasControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Canvas"));
    setFixedSize(451, 341);
    mSurface = new CanvasSurface(this);
    mSurface->setObjectName(QStringLiteral("Canvas"));
    mSurface->setGeometry(kSurfaceLeft, kSurfaceTop, kSurfaceWidth, kSurfaceHeight);
    mLabel = new CanvasLabel(mSurface);
    mLabel->setObjectName(QStringLiteral("Labels"));
    mLabel->resize(kLabelWidth, kLabelHeight);
    mFontName = mLabel->font().family();

    Holder templ;
    templ.left = kTemplateLeft;
    templ.top = kTemplateTop;
    mHolders[0] = templ;

    mScale = RoundEven(kSurfaceHeight * TwipsPerPixelY()) / 5520.0;
    // The label starts centred across the lower part of the surface.
    mLabelLeft = (kSurfaceWidth - kLabelWidth) / 2 * TwipsPerPixelX();
    mLabelTop = 150 * TwipsPerPixelY();
    PlaceLabel();

    connect(mSurface, &CanvasSurface::MouseDown, this, &CanvasControl::SurfaceMouseDown);
    connect(mSurface, &CanvasSurface::MouseMove, this, &CanvasControl::SurfaceMouseMove);
    connect(mSurface, &CanvasSurface::MouseUp, this, [this] { SurfaceMouseUp(); });
    connect(mLabel, &CanvasLabel::MouseDown, this, &CanvasControl::LabelMouseDown);
    connect(mLabel, &CanvasLabel::MouseMove, this, &CanvasControl::LabelMouseMove);
    connect(mLabel, &CanvasLabel::MouseUp, this, [this] { LabelMouseUp(); });
    Redraw();
}

double CanvasControl::TwipsPerPixelX() const { return mSurface->TwipsPerPixelX(); }
double CanvasControl::TwipsPerPixelY() const { return mSurface->TwipsPerPixelY(); }

QString CanvasControl::GetText() const { return mLabel->Caption(); }

void CanvasControl::AddText(const QString& inName, const QString& inFontName, int inFontSize)
{
    mLabel->SetCaption(inName);
    mFontName = inFontName;
    mFontSize = inFontSize;
    QFont font(inFontName);
    font.setPointSize(std::max(1, inFontSize));
    mLabel->setFont(font);
}

QFont CanvasControl::LabelFont() const { return mLabel->font(); }

int CanvasControl::NextIndex() const { return mHolders.rbegin()->first + 1; }

void CanvasControl::AddGraphic(const QString& Name, bool IsBackground)
{
    const QString folder = InstallDirSetting::ImagesFolder();
    const int n = NextIndex();
    if (n > 32767) return;
    Holder holder = mHolders.at(0);
    bool loaded = false;
    for (const char* extension : {".emf", ".wmf", ".dib"}) {
        if (holder.picture.LoadFile(QDir(folder).filePath(Name + QLatin1String(extension)))) {
            loaded = true;
            break;
        }
    }
    if (!loaded) return; // the canvas stays exactly as it was
    const QSizeF size = holder.picture.SizeTwips(TwipsPerPixelX(), TwipsPerPixelY());
    holder.width = size.width();
    holder.height = size.height();
    if (holder.width <= 0 || holder.height <= 0) return;
    holder.tag = Name;
    mTextSelected = false;
    mLabel->SetBorderStyle(0);
    if (IsBackground) {
        const double w = kSurfaceWidth * TwipsPerPixelX();
        const double h = RoundEven(kSurfaceHeight * TwipsPerPixelY());
        mScale = h / holder.height;
        holder.left = float((w / mScale - holder.width) / 2);
        holder.top = float((h / mScale - holder.height) / 2);
        mBgLeft = holder.left;
        mBgTop = RoundEven(holder.top);
        mHolders[n] = holder;
        mDisplay.append(n);
        mSelected = mBackground;
        RemoveGraphic();
        mBackground = n;
    } else {
        mHolders[n] = holder;
        mDisplay.prepend(n);
    }
    mSelected = n;
    Redraw();
}

void CanvasControl::RemoveKey(int index) { mDisplay.removeOne(index); }

void CanvasControl::RemoveGraphic()
{
    if (mTextSelected) {
        mLabel->SetCaption(QString());
        mLabel->SetBorderStyle(0);
        mTextSelected = false;
    } else {
        if (mSelected > 0 && mHolders.count(mSelected)) {
            mHolders.erase(mSelected);
            RemoveKey(mSelected);
            if (mSelected == mBackground) mBackground = -1;
        }
        mSelected = mDisplay.isEmpty() ? -1 : mDisplay.first();
    }
    Redraw();
}

void CanvasControl::ClearAll()
{
    for (auto it = mHolders.begin(); it != mHolders.end();) {
        if (it->first == 0) ++it;
        else it = mHolders.erase(it);
    }
    mDisplay.clear();
    mBackground = -1;
    mSelected = -1;
    mTextSelected = false;
    mLabel->SetCaption(QString());
    mLabel->SetBorderStyle(0);
    Redraw();
}

QStringList CanvasControl::DisplayList() const
{
    QStringList keys;
    for (int index : mDisplay) keys.append(QString::number(index));
    return keys;
}

const CanvasControl::Holder* CanvasControl::HolderAt(int index) const
{
    auto found = mHolders.find(index);
    return found == mHolders.end() ? nullptr : &found->second;
}

void CanvasControl::PlaceLabel()
{
    mLabel->move(RoundEven(mLabelLeft / TwipsPerPixelX()), RoundEven(mLabelTop / TwipsPerPixelY()));
}

void CanvasControl::Redraw()
{
    mSurface->Clear(Qt::white);
    QPainter painter(&mSurface->Buffer());
    painter.setRenderHint(QPainter::Antialiasing);
    const double px = 1.0 / TwipsPerPixelX(), py = 1.0 / TwipsPerPixelY();
    for (auto it = mDisplay.crbegin(); it != mDisplay.crend(); ++it) {
        const Holder& h = mHolders.at(*it);
        const QRectF box(h.left * mScale * px, h.top * mScale * py, h.width * mScale * px, h.height * mScale * py);
        h.picture.Paint(painter, box);
        if (!mTextSelected && *it == mSelected) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
            painter.restore();
        }
    }
    painter.end();
    mSurface->update();
}

void CanvasControl::ClickHolder(int index)
{
    mSelected = index;
    mTextSelected = false;
    mLabel->SetBorderStyle(0);
    if (index != mBackground) {
        RemoveKey(index);
        mDisplay.prepend(index);
    }
}

void CanvasControl::SurfaceMouseDown(float x, float y)
{
    if (mDisplay.isEmpty()) return;
    for (int index : mDisplay) {
        const Holder& h = mHolders.at(index);
        const float left = float(h.left * mScale), right = float((h.left + h.width) * mScale);
        const float top = float(h.top * mScale), bottom = float((h.top + h.height) * mScale);
        if (left < x && x < right && top < y && y < bottom) {
            ClickHolder(index);
            Redraw();
            break;
        }
    }
    mLastX = x;
    mLastY = RoundEven(y);
    mDragging = true;
}

void CanvasControl::SurfaceMouseMove(float x, float y)
{
    if (mSelected == -1 || mTextSelected || !mDragging || mSelected == mBackground) return;
    auto found = mHolders.find(mSelected);
    if (found == mHolders.end()) return;
    const double dx = (mLastX - x) / mScale;
    const int dy = RoundEven((mLastY - y) / mScale);
    found->second.left = float(found->second.left - dx);
    found->second.top = float(found->second.top - dy);
    mLastX = x;
    mLastY = RoundEven(y);
    Redraw();
}

void CanvasControl::SurfaceMouseUp() { mDragging = false; }

void CanvasControl::LabelMouseDown(float x, float y)
{
    if (mLabel->Caption().isEmpty()) return;
    mLabelDragging = true;
    mTextSelected = true;
    mLabel->SetBorderStyle(1);
    mLastX = x;
    mLastY = RoundEven(y);
    Redraw();
}

void CanvasControl::LabelMouseMove(float x, float y)
{
    if (!mLabelDragging) return;
    // The press point stays the reference: the label moves under the pointer, which keeps
    // the point first grabbed where it is.
    mLabelLeft += x - mLastX;
    mLabelTop += -RoundEven(mLastY - y);
    PlaceLabel();
}

void CanvasControl::LabelMouseUp() { mLabelDragging = false; }

QString CanvasControl::GetFirstString(const QString& inString, QString& secondstring)
{
    const qsizetype at = inString.indexOf(QLatin1String("\r\n"));
    QString first = at > 0 ? inString.left(at) : QString();
    if (first.isEmpty()) first = inString;
    if (first.size() == inString.size()) secondstring = QString();
    else secondstring = inString.right(inString.size() - first.size() - 2);
    return first;
}

void CanvasControl::paintEvent(QPaintEvent*)
{
    // The control's own frame around the surface: a wooden easel board with a snowy rim.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wood(0, 0, 0, height());
    wood.setColorAt(0, QColor(150, 92, 48));
    wood.setColorAt(1, QColor(104, 60, 30));
    painter.setBrush(wood);
    painter.setPen(QPen(QColor(60, 34, 16), 2));
    painter.drawRoundedRect(QRectF(2, 44, width() - 4, 290), 10, 10);
    painter.setBrush(QColor(240, 246, 252));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) painter.drawEllipse(QPointF(20 + i * 52, 46), 22, 8);
    painter.setPen(QPen(QColor(60, 34, 16), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kSurfaceLeft - 1, kSurfaceTop - 1, kSurfaceWidth + 2, kSurfaceHeight + 2));
}

bool CanvasControl::PrintTo(QPrinter& printer)
{
    // The card is wider than high: the page turns to landscape (the orientation setting = 2).
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const double dotsPerTwipX = printer.logicalDpiX() / 1440.0;
    const double dotsPerTwipY = printer.logicalDpiY() / 1440.0;
    for (auto it = mDisplay.crbegin(); it != mDisplay.crend(); ++it) {
        const Holder& h = mHolders.at(*it);
        const QRectF page((h.left - mBgLeft) * kPrintFactor * dotsPerTwipX, (h.top - mBgTop) * kPrintFactor * dotsPerTwipY,
                          h.width * kPrintFactor * dotsPerTwipX, h.height * kPrintFactor * dotsPerTwipY);
        h.picture.Paint(painter, page);
    }
    const QString caption = mLabel->Caption();
    if (!caption.isEmpty()) {
        // Text is laid over the pictures without a box behind it (the transparent-font setting = true).
        painter.setBackgroundMode(Qt::TransparentMode);
        QFont font(mFontName);
        font.setPointSizeF(std::max(0.5, mFontSize / mScale * kPrintFactor));
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(font, &printer);
        const double x0 = (mLabelLeft / mScale - mBgLeft) * kPrintFactor * dotsPerTwipX;
        double y = (mLabelTop / mScale - mBgTop) * kPrintFactor * dotsPerTwipY;
        // One print statement: its own line breaks start again at the left margin.
        auto printLine = [&](double x, const QString& text) {
            const QStringList parts = text.split(QStringLiteral("\r\n"));
            for (int i = 0; i < parts.size(); ++i) {
                painter.drawText(QPointF(i == 0 ? x : 0.0, y + metrics.ascent()), parts[i]);
                y += metrics.height();
            }
        };
        QString rest;
        printLine(x0, GetFirstString(caption, rest));
        while (!rest.isEmpty()) {
            const QString line = GetFirstString(rest, rest);
            printLine(x0, line);
        }
    }
    return painter.end();
}

void CanvasControl::CanvasPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    QString pdfPath;
    QPrinterInfo target = mPrinterName.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(mPrinterName);
    if (target.isNull()) target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (!printers.isEmpty()) target = printers.first();
    }
    if (!target.isNull()) {
        printer.setPrinterName(target.printerName());
    } else {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (folder.isEmpty()) folder = QDir::homePath();
        QDir().mkpath(folder);
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
        pdfPath = QDir(folder).filePath(QStringLiteral("Card %1.pdf").arg(stamp));
        // Two cards printed within one second must not overwrite each other.
        for (int n = 2; QFile::exists(pdfPath); ++n)
            pdfPath = QDir(folder).filePath(QStringLiteral("Card %1 (%2).pdf").arg(stamp).arg(n));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    printer.setDocName(QStringLiteral("Card"));
    // Failures are not reported: a printer that cannot start simply prints nothing.
    if (!PrintTo(printer) || pdfPath.isEmpty()) return;
    // The caption line is short: the name fits there, the whole path shows as its tool tip.
    if (mCaptionLabel) {
        // Where first (the folder's own name), then the file's name, shortened in its middle
        // when the line cannot hold it all.
        mCaptionLabel->ensurePolished();
        const QString lead = tr("In %1: ").arg(QFileInfo(QFileInfo(pdfPath).absolutePath()).fileName());
        const QFontMetrics metrics(mCaptionLabel->font());
        const int room = mCaptionLabel->width() - metrics.horizontalAdvance(lead) - 8;
        const QString name = QFileInfo(pdfPath).fileName();
        mCaptionLabel->setText(lead + (room > 0 ? metrics.elidedText(name, Qt::ElideMiddle, room) : name));
        mCaptionLabel->setToolTip(pdfPath);
    }
    emit PrintedToFile(pdfPath);
}
