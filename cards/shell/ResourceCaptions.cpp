// Replacing design-time identifiers by the string table's texts.
#include "ResourceCaptions.h"

#include "CardResources.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <optional>

namespace {

// The string named by `identifier` when it reads as a number above 0 and the table has it.
std::optional<QString> Named(const QVariant& identifier)
{
    bool ok = false;
    const int id = identifier.toString().toInt(&ok);
    if (!ok || id <= 0)
        return std::nullopt;
    return CardResources::String(id);
}

// A menu caption may carry its key after a tab ("Exit\tCtrl+Q"); only the part before names a string.
std::optional<QString> NamedByCaption(const QString& caption)
{
    return Named(caption.section(QLatin1Char('\t'), 0, 0));
}

} // namespace

void ApplyResourceCaptions(QWidget* window)
{
    using namespace ResourceCaptions;
    if (auto caption = Named(window->property(kTagProperty)))
        window->setWindowTitle(*caption);

    std::optional<QFont> font;
    const std::optional<QString> fontName = CardResources::String(kFontNameString);
    const std::optional<QString> fontSize = CardResources::String(kFontSizeString);
    if (fontName || fontSize) {
        QFont chosen = window->font();
        if (fontName)
            chosen.setFamily(*fontName);
        bool ok = false;
        const double points = fontSize ? fontSize->toDouble(&ok) : 0.0;
        if (ok && points > 0)
            chosen.setPointSizeF(points);
        window->setFont(chosen);
        font = chosen;
    }

    for (QWidget* part : window->findChildren<QWidget*>()) {
        if (font)
            part->setFont(*font);
        if (auto* menu = qobject_cast<QMenu*>(part)) {
            if (auto caption = NamedByCaption(menu->title()))
                menu->setTitle(*caption);
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(part)) {
            if (auto caption = Named(label->property(kTagProperty)))
                label->setText(*caption);
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(part)) {
            if (auto caption = Named(button->property(kTagProperty)))
                button->setText(*caption);
        } else if (auto caption = Named(part->property(kTagProperty))) {
            part->setWindowTitle(*caption);
        }
        if (auto tip = Named(part->property(kToolTipProperty)))
            part->setToolTip(*tip);
    }

    for (QAction* item : window->findChildren<QAction*>()) {
        if (item->isSeparator() || item->menu())
            continue;
        if (auto caption = NamedByCaption(item->text()))
            item->setText(*caption);
    }
}
