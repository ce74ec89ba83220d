// The text window's buttons and font list; its font outlives each use, so the last choice is offered again.
#include "frmText.h"

#include "CanvasControl.h"
#include "RollButton.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>

frmText::frmText(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmText"));
    setWindowTitle(tr("Write a greeting"));
    setFixedSize(430, 272);
    mTextBox = new QPlainTextEdit(this);
    mTextBox->setObjectName(QStringLiteral("MyTextBox"));
    mTextBox->setGeometry(28, 70, 373, 108);
    mFontNames = new QComboBox(this);
    mFontNames->setObjectName(QStringLiteral("FontNameList"));
    mFontNames->setGeometry(73, 219, 156, mFontNames->sizeHint().height());
    mFontNames->addItems(QFontDatabase::families());
    if (mFontNames->count() > 0) mFontNames->setCurrentIndex(0);
    mFont = QFont(mFontNames->currentText());
    mFont.setPointSize(12);
    mTextBox->setFont(mFont);

    struct Spec {
        const char* name;
        int base;
        QPoint place;
        QSize size;
    };
    const Spec buttons[] = {{"btnBig", 1510, {29, 214}, {38, 16}},
                            {"btnSmall", 1500, {13, 232}, {54, 13}},
                            {"btnCancel", 1520, {311, 195}, {58, 42}},
                            {"btnOK", 1530, {384, 193}, {28, 44}}};
    for (const Spec& spec : buttons) {
        auto* button = new RollButton(this);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->resize(spec.size);
        button->LoadFromResource(spec.base);
        button->move(spec.place);
    }
    connect(Button("btnBig"), &RollButton::Click, this, [this] { ChooseSize(24); });
    connect(Button("btnSmall"), &RollButton::Click, this, [this] { ChooseSize(12); });
    connect(Button("btnOK"), &RollButton::Click, this, [this] { Close(true); });
    connect(Button("btnCancel"), &RollButton::Click, this, [this] { Close(false); });
    connect(mFontNames, &QComboBox::currentIndexChanged, this, [this] { ChooseFontEntry(); });
    connect(mFontNames, &QComboBox::activated, this, [this] { ChooseFontEntry(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

RollButton* frmText::Button(const char* name) const
{
    return findChild<RollButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void frmText::Reset() { mTextBox->clear(); }

QString frmText::GetText() const
{
    QString text = mTextBox->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void frmText::SetText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    mTextBox->setPlainText(shown);
}

void frmText::ChooseSize(int size)
{
    mFont.setPointSize(size);
    mTextBox->setFont(mFont);
}

void frmText::ChooseFontEntry()
{
    if (mFontNames->currentIndex() < 0) return;
    const int size = qRound(mFont.pointSizeF());
    mFont.setFamily(mFontNames->currentText());
    mFont.setPointSize(size);
    mTextBox->setFont(mFont);
}

void frmText::Close(bool ok)
{
    mOkCancel = ok;
    hide();
    done(ok ? Accepted : Rejected);
}

void frmText::reject()
{
    mOkCancel = false;
    QDialog::reject();
}

void frmText::TextAction(CanvasControl* canvas)
{
    Reset();
    SetText(canvas->GetText());
    exec();
    if (mOkCancel) canvas->AddText(GetText(), TextFontName(), TextFontSize());
}

void frmText::paintEvent(QPaintEvent*)
{
    // A parchment card with a holly corner: the window's own artwork.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, height());
    paper.setColorAt(0, QColor(252, 246, 228));
    paper.setColorAt(1, QColor(236, 222, 190));
    painter.fillRect(rect(), paper);
    painter.setPen(QPen(QColor(150, 30, 30), 4));
    painter.drawRoundedRect(QRectF(6, 6, width() - 12, height() - 12), 12, 12);
    QFont title = font();
    title.setPointSize(16);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(30, 100, 40));
    painter.drawText(QRectF(28, 22, 373, 40), Qt::AlignLeft | Qt::AlignVCenter, tr("Write your greeting"));
    painter.setBrush(QColor(30, 120, 50));
    painter.setPen(QPen(QColor(10, 50, 20), 1.5));
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(395, 32);
        painter.rotate(i * 55 - 20);
        painter.drawEllipse(QPointF(14, 0), 14, 6);
        painter.restore();
    }
    painter.setBrush(QColor(200, 20, 30));
    painter.drawEllipse(QPointF(395, 32), 5, 5);
}
