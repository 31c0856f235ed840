// A picture file before its pixels: what its header tells (size, EXIF
// orientation, format), and its decoding at the size a plan asks for. A
// HEIF-family photo (HEIC, AVIF) tells its size only once libheif decodes it.
// Rectangles are in pixels of the upright picture at its full size. Pictures
// whose header claims more than 50 megapixels (16 bits a channel:
// Max16BitSourcePixels; HEIF: MaxHeifSourcePixels) are refused before anything is decoded, and so
// are files that checkPictureFile() finds cut and files of formats not taken
// (pictureformat.h). A JPEG that libjpeg finds damaged while decoding is
// unreadable, not shown with its missing part grey.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QString>

namespace prepare {

inline constexpr qint64 MaxSourcePixels = 50'000'000;
// Decoded and turned to linear light at 8 bytes a pixel, a larger picture of 16
// bits a channel would pass 700 MiB and 3 s.
inline constexpr qint64 Max16BitSourcePixels = 30'000'000;
// HEVC and AV1 have no reduced decode like JPEG's: a 48-megapixel HEIC takes
// about 5 s of processor time, a 24-megapixel one (the phones' usual) half that.
inline constexpr qint64 MaxHeifSourcePixels = 25'000'000;

enum class LoadStatus {
    Ok,
    CannotOpen, // missing, not a regular file, or not readable
    TooLarge, // the header claims more than MaxSourcePixels (or Max16BitSourcePixels)
    TooManyScans, // a JPEG of more than MaxJpegScans scans
    Unreadable, // empty, truncated, or a format Qt cannot read
    ConversionFailed, // a conversion or scaling gave no picture: out of memory
    RegionOutside, // the part asked for does not lie inside the picture
    NoDecoder, // a HEIF-family file whose codec this build of libheif lacks
};

struct PictureSource
{
    LoadStatus status = LoadStatus::CannotOpen;
    QString path;
    // As the header gives it (a HEIF-family photo's upright); invalid where it does not.
    QSize storedSize;
    qint64 limit = MaxSourcePixels; // TooLarge: the pixels allowed; TooManyScans: the scans
    int bytesPerPixel = 4; // decoded
    QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone;
    int exifOrientation = 1; // of a PNG or WebP, which Qt does not turn itself
    bool jpeg = false; // libjpeg can decode it at 1/2, 1/4 or 1/8
    QString heifFormat; // "HEIC", "AVIF" or "HEIF" for those files, read by libheif
    QByteArray format; // Qt's name of the format for the others, told by the content

    // Invalid where the header gives no size.
    QSize uprightSize() const;
};

PictureSource openPictureSource(const QString &path);

struct DecodePlan
{
    int reduction = 1; // 1, 2, 4 or 8: a JPEG decoded at 1/reduction
    QRect clip; // null for the whole picture, else the only part decoded
    // 0: the picture as decoded. From 1 on: turned to linear light
    // (Format_RGBX64, or Format_RGBA64_Premultiplied with alpha; in the
    // picture's own primaries) and averaged down by this whole factor each way.
    int average = 0;

    bool operator==(const DecodePlan &) const = default;
};

struct DecodedPicture
{
    LoadStatus status = LoadStatus::CannotOpen;
    QImage image; // upright; null unless status is Ok
    QRect covered; // the part of the upright picture that image shows
    QSize sourceSize; // a HEIC or AVIF's, known once decoding started; for TooLarge
    DecodePlan plan;
};

DecodedPicture decodePicture(const PictureSource &source, const DecodePlan &plan);

} // namespace prepare
