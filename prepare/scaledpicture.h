// Any picture Qt or libheif reads, brought to the 160 x 120 pixels of a
// Tessamap picture: turned upright by its EXIF orientation (a HEIF-family
// photo by its own transformations), the part of it that is used cropped,
// padded or stretched, each pixel the average of its source area in linear
// light, and transparency laid over a background colour.
#pragma once

#include "picturesource.h"

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

namespace prepare {

inline constexpr int PictureWidth = 160;
inline constexpr int PictureHeight = 120;

enum class Fit {
    Crop, // cover 160 x 120 and keep the middle
    Pad, // the whole part inside, the rest background
    Stretch, // ignore the aspect ratio
};

struct Geometry
{
    Fit fit = Fit::Crop;
    QRgb background = qRgb(255, 255, 255);
    // The part of the upright picture used, in its pixels; null for the whole.
    QRect region = {};

    bool operator==(const Geometry &) const = default;
};

// The largest 4:3 rectangle in the middle of a picture of that size: what a
// crop keeps of the part it is given.
QRect middleRect(QSize size);

// The smallest part a front end lets its frame take: 1/MaxFrameZoom of the
// middle of the picture each way.
inline constexpr int MaxFrameZoom = 4;

// The one rule of the decoded size, for every part down to the smallest frame:
// libjpeg's 1/2, 1/4 or 1/8 (where reducedDecode allows it), then an average in
// linear light by a whole factor, as far as that still leaves at least two
// pixels per target pixel each way in that smallest frame. Every part a frame
// can take gets the same plan, so a front end decodes and reduces once; only a
// smaller region gets a finer plan of its own (decoded alone, where a large
// picture needs its full size for it). Front ends that keep a decoded picture
// decode again when the plan for new settings differs.
DecodePlan decodePlan(const PictureSource &source, const Geometry &geometry, bool reducedDecode);

// Whether the region lies inside the picture; any region does where the header
// gives no size.
bool regionFits(const PictureSource &source, const QRect &region);

// The part of decoded that geometry names, scaled: Format_RGB888, 160 x 120,
// sRGB; a null image where a conversion or scaling fails (out of memory).
QImage scaleToPicture(const DecodedPicture &decoded, const Geometry &geometry);

struct ScaledPicture
{
    LoadStatus status = LoadStatus::CannotOpen;
    QImage image; // as scaleToPicture gives it; null unless status is Ok
    QSize sourceSize; // as the header gives it; invalid where it does not
    qint64 limit = MaxSourcePixels; // TooLarge: the pixels allowed; TooManyScans: the scans
    // 1, 2, 4 or 8: the JPEG was decoded at 1/reduction; for a HEIC or AVIF,
    // any whole number: the decoded picture was averaged down by it
    int reduction = 1;
    QString format; // "HEIC", "AVIF" or "HEIF" for those files, for NoDecoder's message
};

ScaledPicture loadScaledPicture(
    const QString &path, const Geometry &geometry = {}, bool reducedDecode = true);

} // namespace prepare
