// The canvas: placed clip art in a display list, one background, one text label; painting, dragging, printing.
#pragma once

#include "metafile/ClipPicture.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <map>
#include <optional>

class CanvasLabel;
class CanvasSurface;
class QLabel;
class QPrinter;

class CanvasControl : public QWidget {
    Q_OBJECT
public:
    // One picture holder: geometry in picture units (twips of the picture's natural size).
    struct Holder {
        ClipPicture picture;
        QString tag;
        float left = 0;
        float top = 0;
        double width = 0;
        double height = 0;
    };

    static constexpr int kTemplateLeft = 2520;
    static constexpr int kTemplateTop = 1080;
    static constexpr double kPrintFactor = 1.7;

    explicit CanvasControl(QWidget* parent = nullptr);

    QString GetText() const;
    void AddText(const QString& inName, const QString& inFontName, int inFontSize);
    void AddGraphic(const QString& Name, bool IsBackground);
    void RemoveGraphic();
    void ClearAll();
    // Splits off the first line (up to the first CR LF); the rest goes to secondstring.
    static QString GetFirstString(const QString& inString, QString& secondstring);
    // Prints to the default printer without a dialog; with no printer at all, to a PDF in the
    // user's pictures folder, named on the caption line.
    void CanvasPrint();
    // Prints onto a printer that is already set up (the page itself: landscape, see the source).
    bool PrintTo(QPrinter& printer);

    // The printer chosen in Print Setup; printing goes there while it exists, else to the default.
    void SetPrinterName(const QString& name) { mPrinterName = name; }
    QString PrinterName() const { return mPrinterName; }

    // The main window's caption line, where a card saved as PDF is announced.
    void SetCaptionLabel(QLabel* label) { mCaptionLabel = label; }

    // The mouse rules, in twips (surface or label units); the widgets' events come here.
    void SurfaceMouseDown(float x, float y);
    void SurfaceMouseMove(float x, float y);
    void SurfaceMouseUp();
    void LabelMouseDown(float x, float y);
    void LabelMouseMove(float x, float y);
    void LabelMouseUp();

    // State, for the main window and for tests.
    double Scale() const { return mScale; }
    int Selected() const { return mSelected; }
    bool TextSelected() const { return mTextSelected; }
    int Background() const { return mBackground; }
    float BgLeft() const { return mBgLeft; }
    int BgTop() const { return mBgTop; }
    QStringList DisplayList() const; // keys, topmost first
    const Holder* HolderAt(int index) const;
    CanvasSurface* Surface() const { return mSurface; }
    CanvasLabel* TextLabel() const { return mLabel; }
    QPointF LabelPosition() const { return {mLabelLeft, mLabelTop}; } // surface twips
    QFont LabelFont() const;
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;

signals:
    // A card written as PDF because no printer exists.
    void PrintedToFile(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Redraw();
    void ClickHolder(int index);
    void PlaceLabel();
    int NextIndex() const;
    void RemoveKey(int index);

    CanvasSurface* mSurface;
    CanvasLabel* mLabel;
    QLabel* mCaptionLabel = nullptr;
    QString mPrinterName;
    std::map<int, Holder> mHolders; // index 0 is the template
    QList<int> mDisplay;            // topmost first
    int mSelected = -1;
    bool mTextSelected = false;
    int mBackground = -1;
    bool mDragging = false;
    bool mLabelDragging = false;
    float mLastX = 0;
    int mLastY = 0;
    float mBgLeft = 0;
    int mBgTop = 0;
    double mScale = 1;
    double mLabelLeft = 0;
    double mLabelTop = 0;
    QString mFontName;
    int mFontSize = 12;
};
