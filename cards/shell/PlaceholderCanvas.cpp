// The canvas stand-in: remembers its text and the calls it took.
#include "PlaceholderCanvas.h"

PlaceholderCanvas::PlaceholderCanvas(QWidget* parent) : QWidget(parent)
{
    resize(451, 341);
}

QString PlaceholderCanvas::GetText() const
{
    return mText;
}

void PlaceholderCanvas::AddText(const QString& inName, const QString&, int)
{
    mText = inName;
    mCalls << QStringLiteral("AddText");
}

void PlaceholderCanvas::AddGraphic(const QString& Name, bool IsBackground)
{
    mCalls << QStringLiteral("AddGraphic %1 %2").arg(Name).arg(IsBackground);
}

void PlaceholderCanvas::RemoveGraphic()
{
    mCalls << QStringLiteral("RemoveGraphic");
}

void PlaceholderCanvas::ClearAll()
{
    mText.clear();
    mCalls << QStringLiteral("ClearAll");
}

QString PlaceholderCanvas::GetFirstString(const QString& inString, QString& secondstring) const
{
    secondstring.clear();
    return inString;
}

void PlaceholderCanvas::CanvasPrint()
{
    mCalls << QStringLiteral("CanvasPrint");
}
