// The thumbnail strip: the clip art of one category for the player's level, scrolled five at a time.
#pragma once

#include <QList>
#include <QMap>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QLabel;
class RollButton;
class ThumbNailImage;

class ThumbNailScroller : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlot = 60;     // a 50-pixel cell and a 10-pixel gap
    static constexpr int kThumbTop = 19;

    explicit ThumbNailScroller(QWidget* parent = nullptr);

    void LoadImagesFromResource(int ResourceID);
    void ShowImagesofType(int ImageType, int level);
    // The main window's caption line, where the caption under the pointer is written.
    void SetCaptionLabel(QLabel* label) { mCaptionLabel = label; }

    // The scroll rules, also driven by the buttons and the timer.
    void ScrollPress(int button);
    void ScrollRelease();
    void TimerTick();
    void ThumbNailHover(int k);
    void ThumbNailClick(int k);

    // State, for tests.
    QStringList ImageKeys() const;
    QString Caption(const QString& key) const { return mCaptions.value(key); }
    int First() const { return mFirst; }
    int Visible() const { return mVisible; }
    int Type() const { return mType; }
    bool Forward() const { return mForward; }
    QList<ThumbNailImage*> ThumbNails() const { return mThumbNails; }
    RollButton* ScrollButton(int i) const { return mScrollButtons[i]; }
    QTimer* Timer() { return &mTimer; }
    QLabel* NameText() const { return mNameText; }

signals:
    void ThumbNailSelected(const QString& ThumbNail, bool IsBackground);

private slots:
    void BackButtonDown() { ScrollPress(0); }
    void ForwardButtonDown() { ScrollPress(1); }
    void ScrollButtonUp() { ScrollRelease(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Image {
        QString key;
        QPixmap picture;
    };

    void LayoutThumbNails();
    void Step();
    void WatchScrollButton(int i);
    ThumbNailImage* MakeThumbNail();

    QList<Image> mImages; // position 1 is mImages[0]
    QMap<QString, QString> mCaptions;
    int mFirst = 0;
    int mVisible = 0;
    bool mForward = true;
    int mType = 0;
    QList<ThumbNailImage*> mThumbNails;
    RollButton* mScrollButtons[2];
    QTimer mTimer;
    QLabel* mNameText;
    QLabel* mCaptionLabel = nullptr;
};
