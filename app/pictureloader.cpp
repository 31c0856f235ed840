#include "pictureloader.h"

#include "bitmapfile.h"

#include <QFileInfo>
#include <QImageReader>

QImage loadPicture(const QString &path)
{
    // Pipes and devices would block the reader.
    if (!QFileInfo(path).isFile())
        return {};
    QImage image = QImageReader(path).read();
    if (!image.isNull())
        return image;
    const BitmapFile bitmap = readBitmap(path);
    if (bitmap.status != BitmapStatus::Ok)
        return {};
    const QImage bottomUp(reinterpret_cast<const uchar *>(bitmap.pixels.constData()),
        BmpHeader::AcceptedWidth, BmpHeader::AcceptedHeight, BmpHeader::AcceptedWidth * 3,
        QImage::Format_BGR888);
    return bottomUp.mirrored();
}
