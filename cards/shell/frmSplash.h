// The start-up picture, shown while the main window loads.
#pragma once

#include <QWidget>

class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 512;
    static constexpr int kHeight = 384;

    explicit frmSplash(QWidget* parent = nullptr);
};
