// The text window stand-in: keeps the text it is given and always answers Cancel.
#include "PlaceholderTextWindow.h"

PlaceholderTextWindow::PlaceholderTextWindow(QWidget* owner) : QDialog(owner)
{
    resize(430, 272);
}

void PlaceholderTextWindow::Reset()
{
    mText.clear();
}

void PlaceholderTextWindow::SetText(const QString& text)
{
    mText = text;
}

QString PlaceholderTextWindow::GetText() const
{
    return mText;
}

QString PlaceholderTextWindow::TextFontName() const
{
    return QString();
}

int PlaceholderTextWindow::TextFontSize() const
{
    return 12;
}

bool PlaceholderTextWindow::OkCancel() const
{
    return false;
}

void PlaceholderTextWindow::ShowModal()
{
}
