// The text window: the card's greeting, a typeface from the installed fonts and one of two sizes.
#pragma once

#include <QDialog>
#include <QFont>

class CanvasControl;
class QComboBox;
class QPlainTextEdit;
class RollButton;

class frmText : public QDialog {
    Q_OBJECT
public:
    explicit frmText(QWidget* parent = nullptr);

    void Reset();
    // The text with carriage return and line feed between lines, as the canvas keeps it.
    QString GetText() const;
    void SetText(const QString& text);
    QString TextFontName() const { return mFont.family(); }
    int TextFontSize() const { return qRound(mFont.pointSizeF()); }
    bool OkCancel() const { return mOkCancel; }

    // The main window's Text action: edit the canvas's text and apply it on OK.
    void TextAction(CanvasControl* canvas);

    QPlainTextEdit* MyTextBox() const { return mTextBox; }
    QComboBox* FontNameList() const { return mFontNames; }
    RollButton* Button(const char* name) const;

    void ChooseSize(int size);
    void ChooseFontEntry();
    void Close(bool ok);
    // Escape or the close box leaves like Cancel.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPlainTextEdit* mTextBox;
    QComboBox* mFontNames;
    QFont mFont;
    bool mOkCancel = false;
};
