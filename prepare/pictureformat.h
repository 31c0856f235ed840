// The pictures Qt decodes here, told by their first bytes alone, never by
// their names: BMP, JPEG, PNG, GIF, WebP and TIFF (the HEIF family goes to
// libheif, see heifpicture.h). Anything else Qt could read is refused before
// any reader sees it: an SVG may name a FIFO or standard input and never
// return, or nest a few uses for seconds of drawing, and the other plugins'
// formats are no photos.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace prepare {

// Enough for every signature below and for a HEIF file's brands (heifFormatOf).
inline constexpr int PictureHeadBytes = 64;

// Qt's name of the format ("bmp", "jpeg", "png", "gif", "webp", "tiff"), or
// empty for any other content.
QByteArray qtPictureFormatOf(QByteArrayView head);

// The first bytes of the file; empty where it cannot be read.
QByteArray pictureHead(const QString &path);

} // namespace prepare
