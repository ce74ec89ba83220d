// Device-independent bitmaps inside metafile records, checked against their byte counts before decoding.
#pragma once

#include "MetaBytes.h"

#include <QImage>

namespace DibImage {

// The largest side a decoded bitmap may have; bigger ones are refused.
inline constexpr int kMaxSide = 8192;

// A BITMAPINFO (header and colour table) and its separate pixel bits; null when either is damaged.
QImage Decode(const MetaBytes& info, const MetaBytes& bits);
// A packed DIB: header, colour table and bits in one run (the WMF records).
QImage DecodePacked(const MetaBytes& packed);
// A decoded bitmap made safe to draw: an indexed image whose colour table is shorter than its
// pixel values (a damaged file) would make Qt read past the table, so it is filled up first.
QImage Normalized(QImage image);
// Width times height of the bitmap the header describes, 0 when it cannot be read.
qint64 PixelCount(const MetaBytes& info);
// Whether the header describes a bitmap whose bits fit in `bitsSize` bytes (also the info size).
bool Check(const MetaBytes& info, size_t bitsSize, size_t* infoSize = nullptr);

} // namespace DibImage
