// cardwright's compiled-in resources: bitmaps and strings by number, as the program's resource table had them.
#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

namespace CardResources {

// The bitmap with this number; a null pixmap when there is none.
QPixmap Bitmap(int id);
bool HasBitmap(int id);
// The string with this number, or nothing when the table has none.
std::optional<QString> String(int id);

} // namespace CardResources
