// Stands where the thumbnail strip goes until it is built: the strip's size, calls and event.
#pragma once

#include <QStringList>
#include <QWidget>

class PlaceholderThumbNailScroller : public QWidget {
    Q_OBJECT

public:
    explicit PlaceholderThumbNailScroller(QWidget* parent = nullptr);

    void LoadImagesFromResource(int ResourceID);
    void ShowImagesofType(int ImageType, int level);

    const QStringList& Calls() const { return mCalls; }

signals:
    void ThumbNailSelected(const QString& ThumbNail, bool IsBackground);

private:
    QStringList mCalls;
};
