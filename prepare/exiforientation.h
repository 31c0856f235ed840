// The EXIF orientation (1..8, as a camera writes it) of an EXIF block, and a
// picture turned upright by it, as Qt turns a JPEG or TIFF.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace prepare {

// The TIFF structure of the block, with or without the "Exif\0\0" prefix of
// JPEG; 1 (upright) where the block holds no valid orientation.
int exifOrientation(QByteArrayView block);

// A null image when memory runs out.
QImage uprightPicture(const QImage &image, int orientation);

} // namespace prepare
