// Resource pictures as labels behind a window's parts.
#include "PictureLabel.h"

#include "CardResources.h"

#include <QLabel>

namespace PictureLabel {

QLabel* Make(QWidget* owner, int resourceId)
{
    auto* label = new QLabel(owner);
    const QPixmap picture = CardResources::Bitmap(resourceId);
    if (!picture.isNull()) {
        label->setPixmap(picture);
        label->resize(picture.size());
    }
    label->move(0, 0);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace PictureLabel
