// Stands for the text window until it is built: its members, and a modal show that closes at once as Cancel.
#pragma once

#include <QDialog>

class PlaceholderTextWindow : public QDialog {
    Q_OBJECT

public:
    explicit PlaceholderTextWindow(QWidget* owner = nullptr);

    void Reset();
    void SetText(const QString& text);
    QString GetText() const;
    QString TextFontName() const;
    int TextFontSize() const;
    bool OkCancel() const;
    // Shows the window modally over `owner`.
    void ShowModal();

private:
    QString mText;
};
