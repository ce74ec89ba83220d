// The canvas's one text label: shows the caption over the surface and passes mouse events on in twips.
#pragma once

#include <QLabel>

class CanvasLabel : public QLabel {
    Q_OBJECT
public:
    explicit CanvasLabel(QWidget* parent = nullptr);

    QString Caption() const { return mCaption; }
    // The caption as written (carriage return and line feed between lines).
    void SetCaption(const QString& caption);
    int BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(int style);

signals:
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF Twips(const QPointF& pixels) const;

    QString mCaption;
    int mBorderStyle = 0;
};
