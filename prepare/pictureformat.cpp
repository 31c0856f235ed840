#include "pictureformat.h"

#include <QFile>

namespace prepare {

QByteArray qtPictureFormatOf(QByteArrayView head)
{
    const auto starts = [head](QByteArrayView signature) { return head.startsWith(signature); };
    if (starts("BM"))
        return "bmp";
    if (starts("\xFF\xD8\xFF"))
        return "jpeg";
    if (starts("\x89PNG\r\n\x1A\n"))
        return "png";
    if (starts("GIF87a") || starts("GIF89a"))
        return "gif";
    if (starts("RIFF") && head.size() >= 12 && head.sliced(8, 4) == "WEBP")
        return "webp";
    // Classic and BigTIFF, either byte order.
    if (starts(QByteArrayView("II*\0", 4)) || starts(QByteArrayView("MM\0*", 4))
        || starts(QByteArrayView("II+\0", 4)) || starts(QByteArrayView("MM\0+", 4)))
        return "tiff";
    return {};
}

QByteArray pictureHead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(PictureHeadBytes);
}

} // namespace prepare
