// Any picture Qt or libheif reads, brought to the 160 x 120 pixels of a
// Tessamap picture: turned upright by its EXIF orientation (a HEIF-family
// photo by its own transformations), cropped, padded or stretched, each pixel
// the average of its source area in linear light, and transparency laid over
// a background colour. Pictures whose header claims more than 50 megapixels
// (16 bits a channel: Max16BitSourcePixels) are refused before anything is
// decoded, and so are files that checkPictureFile() finds cut.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

namespace prepare {

inline constexpr int PictureWidth = 160;
inline constexpr int PictureHeight = 120;
inline constexpr qint64 MaxSourcePixels = 50'000'000;
// Decoded and turned to linear light at 8 bytes a pixel, a larger picture of 16
// bits a channel would pass 700 MiB and 3 s.
inline constexpr qint64 Max16BitSourcePixels = 30'000'000;

enum class Fit {
    Crop, // cover 160 x 120 and keep the middle
    Pad, // the whole picture inside, the rest background
    Stretch, // ignore the aspect ratio
};

struct Geometry
{
    Fit fit = Fit::Crop;
    QRgb background = qRgb(255, 255, 255);
};

enum class LoadStatus {
    Ok,
    CannotOpen, // missing, not a regular file, or not readable
    TooLarge, // the header claims more than MaxSourcePixels (or Max16BitSourcePixels)
    TooManyScans, // a JPEG of more than MaxJpegScans scans
    Unreadable, // empty, truncated, or a format Qt cannot read
    ConversionFailed, // a conversion or scaling gave no picture: out of memory
    NoDecoder, // a HEIF-family file whose codec this build of libheif lacks
};

struct ScaledPicture
{
    LoadStatus status = LoadStatus::CannotOpen;
    QImage image; // Format_RGB888, 160 x 120, sRGB; null unless status is Ok
    QSize sourceSize; // as the header gives it; invalid where it does not
    qint64 limit = MaxSourcePixels; // TooLarge: the pixels allowed; TooManyScans: the scans
    // 1, 2, 4 or 8: the JPEG was decoded at 1/reduction; for a HEIC or AVIF,
    // any whole number: the decoded picture was averaged down by it
    int reduction = 1;
    QString format; // "HEIC", "AVIF" or "HEIF" for those files, for NoDecoder's message
};

// reducedDecode lets libjpeg decode a JPEG at 1/2, 1/4 or 1/8 of its size where
// that still leaves at least two source pixels per target pixel each way, and
// averages a decoded HEIC or AVIF down in linear light by the same rule.
ScaledPicture loadScaledPicture(
    const QString &path, const Geometry &geometry = {}, bool reducedDecode = true);

} // namespace prepare
