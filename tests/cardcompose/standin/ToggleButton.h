// Stand-in toggle button with the picture buttons' interface, used until the real one is merged.
#pragma once

#include <QLabel>

class ToggleButton : public QLabel {
    Q_OBJECT
public:
    explicit ToggleButton(QWidget* parent = nullptr);
    void LoadFromResource(int resId);
    bool State() const { return mState; }
    void SetState(bool on);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap mOn;
    QPixmap mOff;
    bool mState = false;
    bool mDown = false;
};
