// The about window: a picture that closes on a click anywhere in it.
#pragma once

#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 512;
    static constexpr int kHeight = 384;

    explicit frmAbout(QWidget* owner = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
