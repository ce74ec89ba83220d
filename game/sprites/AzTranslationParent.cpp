// Parent links and the position rule of sprites and rectangles.
#include "AzTranslationParent.h"

AzTranslationParent* AzTranslationParent::SetParent(AzTranslationParent* parent)
{
    // A loop of parents would make Translate recurse forever; such a link is refused.
    for (AzTranslationParent* up = parent; up; up = up->mParent) {
        if (up == this) return this;
    }
    mParent = parent;
    return this;
}

AzPoint AzTranslationParent::TranslateByPosition(int32_t x, int32_t y, int32_t positionX, int32_t positionY)
{
    if (!mParent) return AzPoint{x, y} + AzPoint{positionX, positionY};
    return mParent->Translate(positionX, positionY) + AzPoint{positionX, positionY};
}
