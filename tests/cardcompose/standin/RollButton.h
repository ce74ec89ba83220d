// Stand-in push button with the picture buttons' interface, used until the real one is merged.
#pragma once

#include <QLabel>

class RollButton : public QLabel {
    Q_OBJECT
public:
    explicit RollButton(QWidget* parent = nullptr);
    void LoadFromResource(int resId);

signals:
    void Click();
    void MouseDown(short button, short shift, float x, float y);
    void MouseUp(short button, short shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool mPressed = false;
};
