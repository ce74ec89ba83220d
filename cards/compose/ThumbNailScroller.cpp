// Loading runs of catalogue items from the resources, laying out the visible slots, scrolling.
#include "ThumbNailScroller.h"

#include "CardResources.h"
#include "RollButton.h"
#include "ThumbNailImage.h"

#include <QEvent>
#include <QMetaMethod>
#include <QLabel>
#include <QPainter>

ThumbNailScroller::ThumbNailScroller(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ThumbNailScroller"));
    resize(640, 80);
    const int bases[2] = {1300, 1310};
    const QSize sizes[2] = {{72, 69}, {73, 69}};
    const QPoint places[2] = {{94, 5}, {478, 5}};
    for (int i = 0; i < 2; ++i) {
        mScrollButtons[i] = new RollButton(this);
        mScrollButtons[i]->setObjectName(QStringLiteral("ScrollButton%1").arg(i));
        mScrollButtons[i]->resize(sizes[i]); // the picture, once loaded, keeps this size
        mScrollButtons[i]->LoadFromResource(bases[i]);
        mScrollButtons[i]->move(places[i]);
        WatchScrollButton(i);
    }
    mNameText = new QLabel(this);
    mNameText->setObjectName(QStringLiteral("NameText"));
    mNameText->hide(); // a layout reference only: it receives the clicked item number
    mTimer.setInterval(1000);
    connect(&mTimer, &QTimer::timeout, this, &ThumbNailScroller::TimerTick);
    mThumbNails.append(MakeThumbNail());
    mThumbNails.first()->hide();
    mFirst = 0;
}

// The picture button passes its MouseDown and MouseUp on; a button without them is watched directly.
void ThumbNailScroller::WatchScrollButton(int i)
{
    RollButton* button = mScrollButtons[i];
    const QMetaObject* meta = button->metaObject();
    int down = -1, up = -1;
    for (int m = 0; m < meta->methodCount(); ++m) {
        const QMetaMethod method = meta->method(m);
        if (method.methodType() != QMetaMethod::Signal) continue;
        if (method.name() == "MouseDown") down = m;
        if (method.name() == "MouseUp") up = m;
    }
    if (down >= 0 && up >= 0) {
        const QMetaObject* self = metaObject();
        connect(button, meta->method(down), this,
                self->method(self->indexOfSlot(i == 0 ? "BackButtonDown()" : "ForwardButtonDown()")));
        connect(button, meta->method(up), this, self->method(self->indexOfSlot("ScrollButtonUp()")));
    } else {
        button->installEventFilter(this);
    }
}

ThumbNailImage* ThumbNailScroller::MakeThumbNail()
{
    auto* image = new ThumbNailImage(this);
    image->resize(51, 41);
    connect(image, &ThumbNailImage::Hovered, this, [this, image] { ThumbNailHover(int(mThumbNails.indexOf(image))); });
    connect(image, &ThumbNailImage::Clicked, this, [this, image] { ThumbNailClick(int(mThumbNails.indexOf(image))); });
    return image;
}

QStringList ThumbNailScroller::ImageKeys() const
{
    QStringList keys;
    for (const Image& image : mImages) keys.append(image.key);
    return keys;
}

void ThumbNailScroller::LoadImagesFromResource(int ResourceID)
{
    // Every item of the run goes in at the count before the call, so a run lands reversed,
    // just before the image that was last.
    const int p = mImages.isEmpty() ? 1 : int(mImages.size());
    for (int id = ResourceID;; ++id) {
        if (!CardResources::HasBitmap(id)) return;
        const QPixmap picture = CardResources::Bitmap(id);
        if (picture.isNull()) return;
        const std::optional<QString> key = CardResources::String(id);
        const int at = std::min(p - 1, int(mImages.size()));
        mImages.insert(at, Image{key.value_or(QString()), picture});
        if (!key) return;
        const std::optional<QString> caption = CardResources::String(id + 10000);
        if (!caption) return;
        mCaptions.insert(*key, *caption);
    }
}

void ThumbNailScroller::ShowImagesofType(int ImageType, int level)
{
    while (mThumbNails.size() > 1) delete mThumbNails.takeLast();
    mVisible = 0;
    mImages.clear();
    mCaptions.clear();
    mType = ImageType;
    const int base = 10001 + 100 * (ImageType - 1);
    LoadImagesFromResource(base);
    for (int group = 1; group <= 4; ++group)
        if (level > group) LoadImagesFromResource(base + 10 * group);
    LayoutThumbNails();
}

void ThumbNailScroller::LayoutThumbNails()
{
    const int left = mScrollButtons[0]->geometry().right() + 1;
    const int avail = mScrollButtons[1]->x() - left;
    const int capacity = std::max(1, avail / kSlot);
    if (mVisible == 0) {
        mVisible = std::min(capacity, int(mImages.size()));
        mFirst = 1;
        while (mThumbNails.size() < mVisible) mThumbNails.append(MakeThumbNail());
        // With nothing to show, the one element kept from before must not show a stale picture.
        if (mVisible == 0) mThumbNails.first()->hide();
    }
    int x = left + (avail - mVisible * kSlot) / 2;
    for (int k = 0; k < mVisible; ++k) {
        const int n = mFirst + k; // 1-based
        if (n > mImages.size()) break;
        ThumbNailImage* element = mThumbNails[k];
        element->move(x, kThumbTop);
        element->setPixmap(mImages[n - 1].picture);
        element->SetTag(mImages[n - 1].key);
        element->show();
        x += kSlot;
    }
}

void ThumbNailScroller::Step()
{
    if (mForward) {
        ++mFirst;
        if (mImages.size() + 1 >= mFirst + mVisible) LayoutThumbNails();
        else --mFirst;
    } else if (mFirst > 1) {
        --mFirst;
        LayoutThumbNails();
    } else {
        mFirst = 1;
    }
}

void ThumbNailScroller::ScrollPress(int button)
{
    mTimer.setInterval(1000);
    mTimer.start();
    mForward = (button != 0);
    Step();
}

void ThumbNailScroller::ScrollRelease() { mTimer.stop(); }

void ThumbNailScroller::TimerTick()
{
    if (mTimer.interval() == 1000) mTimer.setInterval(100);
    Step();
}

void ThumbNailScroller::ThumbNailHover(int k)
{
    if (k < 0 || k >= mThumbNails.size()) return;
    if (mCaptionLabel) {
        mCaptionLabel->setText(mCaptions.value(mThumbNails[k]->Tag()));
        mCaptionLabel->setToolTip(QString()); // a saved card's path belonged to the old text
    }
}

void ThumbNailScroller::ThumbNailClick(int k)
{
    if (k < 0 || k >= mThumbNails.size()) return;
    const QString item = mThumbNails[k]->Tag();
    emit ThumbNailSelected(item, mType == 5);
    mNameText->setText(item);
}

bool ThumbNailScroller::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 2; ++i) {
        if (watched != mScrollButtons[i]) continue;
        if (event->type() == QEvent::MouseButtonPress) ScrollPress(i);
        else if (event->type() == QEvent::MouseButtonRelease) ScrollRelease();
    }
    return QWidget::eventFilter(watched, event);
}

void ThumbNailScroller::paintEvent(QPaintEvent*)
{
    // The strip's own artwork: a frosty shelf under the thumbnails.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int left = mScrollButtons[0]->geometry().right() + 1;
    const QRectF shelf(left - 4, 10, mScrollButtons[1]->x() - left + 8, 60);
    QLinearGradient ice(0, shelf.top(), 0, shelf.bottom());
    ice.setColorAt(0, QColor(214, 232, 250));
    ice.setColorAt(1, QColor(150, 184, 222));
    painter.setBrush(ice);
    painter.setPen(QPen(QColor(40, 70, 120), 2));
    painter.drawRoundedRect(shelf, 8, 8);
}
