// The thumbnail strip stand-in: notes what it was asked to show.
#include "PlaceholderThumbNailScroller.h"

PlaceholderThumbNailScroller::PlaceholderThumbNailScroller(QWidget* parent) : QWidget(parent)
{
    resize(640, 80);
}

void PlaceholderThumbNailScroller::LoadImagesFromResource(int ResourceID)
{
    mCalls << QStringLiteral("LoadImagesFromResource %1").arg(ResourceID);
}

void PlaceholderThumbNailScroller::ShowImagesofType(int ImageType, int level)
{
    mCalls << QStringLiteral("ShowImagesofType %1 %2").arg(ImageType).arg(level);
}
