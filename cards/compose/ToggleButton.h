// An on/off button drawn from two pictures stacked at its origin.
#pragma once

#include <QPixmap>
#include <QVariant>
#include <QWidget>

class QLabel;

class ToggleButton : public QWidget {
    Q_OBJECT

public:
    explicit ToggleButton(QWidget* parent = nullptr);

    QPixmap OnPicture() const;
    QPixmap OffPicture() const;
    void SetOnPicture(const QPixmap& picture);
    void SetOffPicture(const QPixmap& picture);
    // From a picture file; the on picture also sizes the control.
    void SetOnPictureFile(const QString& fileName);
    void SetOffPictureFile(const QString& fileName);

    // On = bitmap resId + 1, off = resId + 3; a missing bitmap keeps the
    // picture there was. The control takes the on picture's size.
    void LoadFromResource(int resId);

    bool State() const { return mState; }
    // Shows the matching picture; never raises Click.
    void SetState(bool state);

    QVariant Tag() const { return mTag; }
    void SetTag(const QVariant& tag) { mTag = tag; }

    // True when the on picture is the one on top.
    bool ShowingOn() const;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* MakeImage();

    QLabel* mOn = nullptr;
    QLabel* mOff = nullptr;
    bool mState = false;
    bool mDown = false;
    QVariant mTag;
};
