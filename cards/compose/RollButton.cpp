// Push button behaviour: hover picture kept by a timer that watches the pointer, Click on every release.
#include "RollButton.h"

#include "CardResources.h"
#include "PictureImage.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

RollButton::RollButton(QWidget* parent) : QWidget(parent)
{
    mPush = PictureImage::Make(this);
    mHover = PictureImage::Make(this);
    mUp = PictureImage::Make(this);
    mUp->raise();
    setMouseTracking(true);
    mHoverTimer.setInterval(kHoverIntervalMs);
    connect(&mHoverTimer, &QTimer::timeout, this, &RollButton::HoverTick);
}

RollButton* RollButton::Place(QWidget* parent, int resourceBase, const QPoint& place)
{
    auto* button = new RollButton(parent);
    button->SetTag(resourceBase);
    button->LoadFromResource(resourceBase);
    button->move(place);
    return button;
}

QPixmap RollButton::UpPicture() const { return PictureImage::Get(mUp); }
QPixmap RollButton::PushPicture() const { return PictureImage::Get(mPush); }
QPixmap RollButton::HoverPicture() const { return PictureImage::Get(mHover); }
void RollButton::SetUpPicture(const QPixmap& picture) { PictureImage::Set(mUp, picture); }
void RollButton::SetPushPicture(const QPixmap& picture) { PictureImage::Set(mPush, picture); }
void RollButton::SetHoverPicture(const QPixmap& picture) { PictureImage::Set(mHover, picture); }

void RollButton::SetUpPictureFile(const QString& fileName)
{
    const QPixmap picture = PictureImage::Keyed(QPixmap(fileName));
    if (picture.isNull())
        return;
    SetUpPicture(picture);
    resize(picture.size());
}

void RollButton::SetPushPictureFile(const QString& fileName)
{
    SetPushPicture(PictureImage::Keyed(QPixmap(fileName)));
}

void RollButton::SetHoverPictureFile(const QString& fileName)
{
    SetHoverPicture(PictureImage::Keyed(QPixmap(fileName)));
}

void RollButton::LoadFromResource(int resId)
{
    SetUpPicture(PictureImage::Keyed(CardResources::Bitmap(resId + 2)));
    SetPushPicture(PictureImage::Keyed(CardResources::Bitmap(resId + 4)));
    SetHoverPicture(PictureImage::Keyed(CardResources::Bitmap(resId + 5)));
    if (!UpPicture().isNull())
        resize(UpPicture().size());
}

void RollButton::SetAccessKey(const QKeySequence& key)
{
    delete mAccessKey;
    mAccessKey = new QShortcut(key, this);
    mAccessKey->setContext(Qt::WindowShortcut);
    connect(mAccessKey, &QShortcut::activated, this, &RollButton::Click);
}

RollButton::Face RollButton::Showing() const
{
    const QLabel* top = PictureImage::Topmost(this, {mUp, mPush, mHover});
    if (top == mPush)
        return Face::Push;
    if (top == mHover)
        return Face::Hover;
    return Face::Up;
}

bool RollButton::PointerPosition(QPoint* globalPosition) const
{
    *globalPosition = QCursor::pos();
    return true;
}

void RollButton::mouseMoveEvent(QMouseEvent* event)
{
    mHoverTimer.start();
    if (!mPressed && !mHovering) {
        mHover->raise();
        mHovering = true;
    }
    QWidget::mouseMoveEvent(event);
}

void RollButton::HoverTick()
{
    QPoint pointer;
    if (!PointerPosition(&pointer) || !isVisible())
        return;
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    const int left = topLeft.x();
    const int top = topLeft.y();
    const int right = left + width();
    const int bottom = top + height();
    if (pointer.x() < left || pointer.x() > right || pointer.y() < top || pointer.y() > bottom) {
        mHoverTimer.stop();
        mHover->lower();
        mHovering = false;
    } else if (!mPressed) {
        mHover->raise();
    }
}

void RollButton::mousePressEvent(QMouseEvent* event)
{
    if (!mPressed) {
        mPush->raise();
        mPressed = true;
    }
    const QPointF at = event->position();
    emit MouseDown(PictureImage::ButtonCode(event), PictureImage::ShiftCode(event), float(at.x()), float(at.y()));
}

void RollButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The release comes here wherever the pointer is (the press captured the
    // mouse), so a press that slides off the button still clicks it.
    if (mPressed) {
        mPush->lower();
        mPressed = false;
        emit Click();
    }
    const QPointF at = event->position();
    emit MouseUp(PictureImage::ButtonCode(event), PictureImage::ShiftCode(event), float(at.x()), float(at.y()));
}
