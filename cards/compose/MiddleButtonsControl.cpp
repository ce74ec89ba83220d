// Category buttons: toggles from resource bases 1200 to 1240, placed as the strip's artwork expects.
#include "MiddleButtonsControl.h"

#include "ToggleButton.h"

MiddleButtonsControl::MiddleButtonsControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MiddleButtons"));
    resize(411, 45);
    static const char* const names[5] = {"btnGlimmer", "btnElves", "btnOthers", "btnProps", "btnBackgrounds"};
    const QPoint places[5] = {{71, 4}, {135, 1}, {203, 2}, {274, 5}, {341, 6}};
    const QSize sizes[5] = {{38, 37}, {42, 39}, {43, 38}, {32, 33}, {29, 33}};
    for (int i = 0; i < 5; ++i) {
        mButtons[i] = new ToggleButton(this);
        mButtons[i]->setObjectName(QString::fromLatin1(names[i]));
        mButtons[i]->resize(sizes[i]);
        mButtons[i]->LoadFromResource(1200 + 10 * i);
        mButtons[i]->move(places[i]);
        connect(mButtons[i], &ToggleButton::Click, this, [this, i] { SelectButton(i + 1); });
    }
    SelectButton(1);
}

ToggleButton* MiddleButtonsControl::Button(int category) const
{
    return (category >= 1 && category <= 5) ? mButtons[category - 1] : nullptr;
}

void MiddleButtonsControl::SelectButton(int inType)
{
    emit PickCategory(inType);
    mCategory = inType;
    for (ToggleButton* button : mButtons) button->SetState(false);
    if (ToggleButton* chosen = Button(inType)) chosen->SetState(true);
}
