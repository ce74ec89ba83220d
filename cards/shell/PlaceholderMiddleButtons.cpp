// The category buttons stand-in.
#include "PlaceholderMiddleButtons.h"

PlaceholderMiddleButtons::PlaceholderMiddleButtons(QWidget* parent) : QWidget(parent)
{
    resize(411, 40);
}

void PlaceholderMiddleButtons::SelectButton(int inType)
{
    emit PickCategory(inType);
    mCategory = inType;
}
