// The canvas's drawing surface: keeps what was painted on it and passes mouse events on in twips.
#pragma once

#include <QPixmap>
#include <QWidget>

class CanvasSurface : public QWidget {
    Q_OBJECT
public:
    explicit CanvasSurface(QWidget* parent = nullptr);

    // The persistent picture: cleared and painted by the canvas, shown as it stands.
    QPixmap& Buffer() { return mBuffer; }
    void Clear(const QColor& colour);
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;

signals:
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap mBuffer;
};
