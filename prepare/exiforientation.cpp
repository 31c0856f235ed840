#include "exiforientation.h"

#include <QTransform>
#include <QtEndian>

namespace prepare {

int exifOrientation(QByteArrayView block)
{
    if (block.startsWith(QByteArrayView("Exif\0\0", 6)))
        block = block.sliced(6);
    if (block.size() < 8)
        return 1;
    const bool little = block.startsWith("II");
    if (!little && !block.startsWith("MM"))
        return 1;
    const auto *data = reinterpret_cast<const uchar *>(block.data());
    const auto u16 = [&](qsizetype at) {
        return little ? qFromLittleEndian<quint16>(data + at) : qFromBigEndian<quint16>(data + at);
    };
    const auto u32 = [&](qsizetype at) {
        return little ? qFromLittleEndian<quint32>(data + at) : qFromBigEndian<quint32>(data + at);
    };
    if (u16(2) != 42)
        return 1;
    const qint64 directory = u32(4);
    if (directory + 2 > block.size())
        return 1;
    const int entries = u16(directory);
    for (int i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * qint64(i);
        if (entry + 12 > block.size())
            return 1;
        constexpr quint16 OrientationTag = 0x0112;
        constexpr quint16 ShortType = 3;
        if (u16(entry) == OrientationTag) {
            const int value = u16(entry + 8);
            return u16(entry + 2) == ShortType && value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

QImage uprightPicture(const QImage &image, int orientation)
{
    // Mirrored first, then turned a quarter clockwise where the tag says so:
    // 2 mirror, 3 half turn, 4 flip, 5 flip and quarter, 6 quarter,
    // 7 mirror and quarter, 8 three quarters.
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.mirrored(false, true).transformed(QTransform().rotate(90));
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.mirrored(true, false).transformed(QTransform().rotate(90));
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

} // namespace prepare
