// Stands where the canvas goes until it is built: the canvas's size and calls, doing nothing but noting them.
#pragma once

#include <QStringList>
#include <QWidget>

class PlaceholderCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PlaceholderCanvas(QWidget* parent = nullptr);

    QString GetText() const;
    void AddText(const QString& inName, const QString& inFontName, int inFontSize);
    void AddGraphic(const QString& Name, bool IsBackground);
    void RemoveGraphic();
    void ClearAll();
    QString GetFirstString(const QString& inString, QString& secondstring) const;
    void CanvasPrint();

    // Every call so far, by name, for the shell's tests.
    const QStringList& Calls() const { return mCalls; }

private:
    QString mText;
    QStringList mCalls;
};
