// Image elements of the picture buttons and the mouse codes their events carry.
#include "PictureImage.h"

namespace PictureImage {

QLabel* Make(QWidget* owner)
{
    auto* image = new QLabel(owner);
    image->move(0, 0);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    image->setScaledContents(false);
    return image;
}

void Set(QLabel* image, const QPixmap& picture)
{
    if (picture.isNull())
        return;
    image->setPixmap(picture);
    image->resize(picture.size());
}

QPixmap Get(const QLabel* image)
{
    return image->pixmap();
}

const QLabel* Topmost(const QWidget* owner, std::initializer_list<const QLabel*> images)
{
    // A widget's children are kept in stacking order, the last on top.
    const QObjectList& children = owner->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        for (const QLabel* image : images) {
            if (*it == image)
                return image;
        }
    }
    return nullptr;
}

short ButtonCode(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

short ShiftCode(const QMouseEvent* event)
{
    short code = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        code |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        code |= 2;
    if (event->modifiers() & Qt::AltModifier)
        code |= 4;
    return code;
}

} // namespace PictureImage
