// The five category buttons over the thumbnail strip: Glimmer, elves, others, props, backgrounds.
#pragma once

#include <QWidget>

class ToggleButton;

class MiddleButtonsControl : public QWidget {
    Q_OBJECT
public:
    explicit MiddleButtonsControl(QWidget* parent = nullptr);

    // Raises PickCategory first, then shows button inType as the only one on.
    void SelectButton(int inType);
    int Category() const { return mCategory; }
    ToggleButton* Button(int category) const; // 1 to 5

signals:
    void PickCategory(int inType);

private:
    ToggleButton* mButtons[5];
    int mCategory = 0;
};
