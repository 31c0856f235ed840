#include "pictureloader.h"

#include "bitmapfile.h"
#include "filecheck.h"

#include <QFileInfo>
#include <QImageReader>

QImage loadPicture(const QString &path)
{
    // Pipes and devices would block the reader.
    if (!QFileInfo(path).isFile())
        return {};
    if (prepare::checkPictureFile(path).status == prepare::FileCheck::Status::Complete) {
        QImage image = QImageReader(path).read();
        if (!image.isNull())
            return image;
    }
    // Reads the whole of the pixel data or nothing.
    const BitmapFile bitmap = readBitmap(path);
    if (bitmap.status != BitmapStatus::Ok)
        return {};
    const QImage bottomUp(reinterpret_cast<const uchar *>(bitmap.pixels.constData()),
        BmpHeader::AcceptedWidth, BmpHeader::AcceptedHeight, BmpHeader::AcceptedWidth * 3,
        QImage::Format_BGR888);
    return bottomUp.mirrored();
}
