// One thumbnail of the strip: a picture element carrying its item number, reporting hover and click.
#pragma once

#include <QLabel>

class ThumbNailImage : public QLabel {
    Q_OBJECT
public:
    explicit ThumbNailImage(QWidget* parent = nullptr);
    QString Tag() const { return mTag; }
    void SetTag(const QString& tag) { mTag = tag; }

signals:
    void Hovered();
    void Clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString mTag;
};
