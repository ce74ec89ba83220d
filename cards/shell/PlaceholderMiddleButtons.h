// Stands where the category buttons go until they are built: their size, SelectButton and PickCategory.
#pragma once

#include <QWidget>

class PlaceholderMiddleButtons : public QWidget {
    Q_OBJECT

public:
    explicit PlaceholderMiddleButtons(QWidget* parent = nullptr);

    // Raises PickCategory first, then keeps the category.
    void SelectButton(int inType);
    int Category() const { return mCategory; }

signals:
    void PickCategory(int inType);

private:
    int mCategory = 0;
};
