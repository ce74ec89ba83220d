// A push button drawn from three pictures (up, pushed, hover) stacked at its origin.
#pragma once

#include <QKeySequence>
#include <QPixmap>
#include <QTimer>
#include <QVariant>
#include <QWidget>

class QLabel;
class QShortcut;

class RollButton : public QWidget {
    Q_OBJECT

public:
    enum class Face { Up, Push, Hover };

    static constexpr int kHoverIntervalMs = 100;

    explicit RollButton(QWidget* parent = nullptr);

    // A button on `parent` at `place`, its pictures from resource `resourceBase`, which is also its tag.
    static RollButton* Place(QWidget* parent, int resourceBase, const QPoint& place);

    QPixmap UpPicture() const;
    QPixmap PushPicture() const;
    QPixmap HoverPicture() const;
    void SetUpPicture(const QPixmap& picture);
    void SetPushPicture(const QPixmap& picture);
    void SetHoverPicture(const QPixmap& picture);
    // From a picture file; the up picture also sizes the control. A file
    // that cannot be read leaves the picture as it was.
    void SetUpPictureFile(const QString& fileName);
    void SetPushPictureFile(const QString& fileName);
    void SetHoverPictureFile(const QString& fileName);

    // Up = bitmap resId + 2, pushed = resId + 4, hover = resId + 5; a missing
    // bitmap keeps the picture there was. The control takes the up picture's size.
    void LoadFromResource(int resId);

    QVariant Tag() const { return mTag; }
    void SetTag(const QVariant& tag) { mTag = tag; }

    // A key sequence (such as Alt+Q) anywhere in the window clicks the button.
    void SetAccessKey(const QKeySequence& key);

    // The picture on top of the stack, the one the user sees.
    Face Showing() const;
    bool IsHoverTimerActive() const { return mHoverTimer.isActive(); }

signals:
    void Click();
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt; X, Y in pixels.
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

protected:
    // Where the pointer is on the screen; false when it cannot be read.
    virtual bool PointerPosition(QPoint* globalPosition) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void HoverTick();
    QLabel* MakeImage();
    static void SetImage(QLabel* image, const QPixmap& picture);

    QLabel* mUp = nullptr;
    QLabel* mPush = nullptr;
    QLabel* mHover = nullptr;
    QTimer mHoverTimer;
    QShortcut* mAccessKey = nullptr;
    bool mPressed = false;
    bool mHovering = false;
    QVariant mTag;
};
