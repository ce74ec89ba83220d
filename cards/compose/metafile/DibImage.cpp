// Rebuilds a bitmap file around the record's DIB and lets Qt's BMP reader decode it.
#include "DibImage.h"

#include <QByteArray>

namespace DibImage {

namespace {

struct Header {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colours = 0;
};

bool ReadHeader(const MetaBytes& info, Header& h)
{
    if (!info.U32(0, h.size)) return false;
    if (h.size == 12) {
        uint16_t w = 0, ht = 0;
        if (!info.U16(4, w) || !info.U16(6, ht) || !info.U16(10, h.bitCount)) return false;
        h.width = w;
        h.height = ht;
        return true;
    }
    if (h.size < 40 || h.size > 124) return false;
    int32_t w = 0, ht = 0;
    if (!info.I32(4, w) || !info.I32(8, ht) || !info.U16(14, h.bitCount) || !info.U32(16, h.compression) ||
        !info.U32(32, h.colours))
        return false;
    h.width = w;
    h.height = ht;
    return true;
}

} // namespace

qint64 PixelCount(const MetaBytes& info)
{
    Header h;
    if (!ReadHeader(info, h)) return 0;
    const int64_t height = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || height <= 0 || h.width > kMaxSide || height > kMaxSide) return 0;
    return h.width * height;
}

bool Check(const MetaBytes& info, size_t bitsSize, size_t* infoSize)
{
    Header h;
    if (!ReadHeader(info, h)) return false;
    const int64_t height = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || height <= 0 || h.width > kMaxSide || height > kMaxSide) return false;
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    if (h.compression > 3) return false;
    size_t table = 0;
    if (h.bitCount <= 8) {
        const uint32_t most = 1u << h.bitCount;
        table = (h.colours == 0 || h.colours > most) ? most : h.colours;
    }
    const size_t entry = h.size == 12 ? 3 : 4;
    size_t need = h.size + table * entry;
    if (h.compression == 3 && h.size == 40) need += 12;
    if (need > info.Size()) return false;
    if (infoSize) *infoSize = need;
    if (h.compression == 1 || h.compression == 2) return bitsSize > 0; // run-length: Qt stops at the end
    const size_t stride = static_cast<size_t>(((h.width * h.bitCount + 31) / 32) * 4);
    return stride * static_cast<size_t>(height) <= bitsSize;
}

QImage Decode(const MetaBytes& info, const MetaBytes& bits)
{
    size_t infoSize = 0;
    if (!Check(info, bits.Size(), &infoSize)) return {};
    QByteArray file;
    const uint32_t offset = static_cast<uint32_t>(14 + infoSize);
    const uint32_t total = static_cast<uint32_t>(offset + bits.Size());
    file.append("BM");
    for (uint32_t v : {total, 0u, offset})
        for (int i = 0; i < 4; ++i) file.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    file.append(reinterpret_cast<const char*>(info.Data()), static_cast<qsizetype>(infoSize));
    file.append(reinterpret_cast<const char*>(bits.Data()), static_cast<qsizetype>(bits.Size()));
    QImage image;
    if (!image.loadFromData(file, "BMP")) return {};
    return Normalized(image);
}

QImage Normalized(QImage image)
{
    if (image.isNull()) return image;
    const bool mono = image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
    const int needed = image.format() == QImage::Format_Indexed8 ? 256 : mono ? 2 : 0;
    if (needed > image.colorCount()) {
        QList<QRgb> table = image.colorTable();
        while (table.size() < needed) table.append(qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage DecodePacked(const MetaBytes& packed)
{
    size_t infoSize = 0;
    // The header alone first, to learn where the bits start.
    Header h;
    if (!ReadHeader(packed, h)) return {};
    if (!Check(packed, packed.Size(), &infoSize)) return {};
    return Decode(packed.Slice(0, infoSize), packed.Slice(infoSize, packed.Size() - infoSize));
}

} // namespace DibImage
