#include "picturesource.h"

#include "exiforientation.h"
#include "filecheck.h"
#include "heifpicture.h"
#include "imagestep.h"
#include "librarywarnings.h"
#include "linearreduction.h"
#include "memorythresholds.h"
#include "pictureformat.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace prepare {

namespace {

// The EXIF orientation turns the picture only after decoding, so a clip is
// asked for in stored orientation: upright = rotated90(mirrored(stored)).
QRect storedRect(const QRect &upright, QSize stored, QImageIOHandler::Transformations turn)
{
    QRect rect = upright;
    if (turn & QImageIOHandler::TransformationRotate90)
        rect = QRect(upright.y(), stored.height() - upright.x() - upright.width(), upright.height(),
            upright.width());
    if (turn & QImageIOHandler::TransformationMirror)
        rect.moveLeft(stored.width() - rect.x() - rect.width());
    if (turn & QImageIOHandler::TransformationFlip)
        rect.moveTop(stored.height() - rect.y() - rect.height());
    return rect;
}

// The bytes a pixel takes decoded: 8 or 16 for more than 8 bits a channel.
// Listed rather than looked up: a reader may report a format value Qt has no
// table entry for.
int decodedBytesPerPixel(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_Grayscale16:
    case QImage::Format_RGBX16FPx4:
    case QImage::Format_RGBA16FPx4:
    case QImage::Format_RGBA16FPx4_Premultiplied:
        return 8;
    case QImage::Format_RGBX32FPx4:
    case QImage::Format_RGBA32FPx4:
    case QImage::Format_RGBA32FPx4_Premultiplied:
        return 16;
    default:
        return 4;
    }
}

// Qt's readers refuse to allocate more than a process-wide limit, lower than a
// picture of MaxSourcePixels needs. Raised once, before main(), where no
// thread decodes: raised and lowered around each decode, two decodes at once
// would change each other's limit. Every picture whose header tells its size
// is measured against the pixel limits before any decode.
const bool AllocationLimitSet = [] {
    constexpr qint64 Mebibyte = 1 << 20;
    constexpr qint64 LargestDecode = std::max(MaxSourcePixels * 4, Max16BitSourcePixels * 16);
    QImageReader::setAllocationLimit(int((LargestDecode + Mebibyte - 1) / Mebibyte));
    return true;
}();

// A cut file whose header claims too much is still too large, as a whole one would be.
void refuseByFileCheck(const FileCheck &check, PictureSource &source)
{
    const QSize claimed = check.claimedSize;
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > MaxSourcePixels) {
        source.status = LoadStatus::TooLarge;
        source.storedSize = claimed;
        source.limit = MaxSourcePixels;
    } else if (check.status == FileCheck::Status::TooManyScans) {
        source.status = LoadStatus::TooManyScans;
        source.limit = MaxJpegScans;
    } else {
        source.status = LoadStatus::Unreadable;
    }
}

// The turn of an EXIF orientation, as Qt reads it from a JPEG or TIFF.
QImageIOHandler::Transformations exifTransformation(int orientation)
{
    using T = QImageIOHandler;
    switch (orientation) {
    case 2:
        return T::TransformationMirror;
    case 3:
        return T::TransformationRotate180;
    case 4:
        return T::TransformationFlip;
    case 5:
        return T::TransformationFlipAndRotate90;
    case 6:
        return T::TransformationRotate90;
    case 7:
        return T::TransformationMirrorAndRotate90;
    case 8:
        return T::TransformationRotate270;
    default:
        return T::TransformationNone;
    }
}

// The decoded picture in linear light, averaged down as the plan says.
DecodedPicture averagedDown(DecodedPicture decoded)
{
    if (decoded.status != LoadStatus::Ok || decoded.plan.average < 1)
        return decoded;
    QImage &image = decoded.image;
    if (imageStepFailed(image = reduceInLinearLight(image, decoded.plan.average))) {
        image = {};
        decoded.status = LoadStatus::ConversionFailed;
    }
    return decoded;
}

} // namespace

QSize PictureSource::uprightSize() const
{
    return transformation & QImageIOHandler::TransformationRotate90 ? storedSize.transposed()
                                                                    : storedSize;
}

PictureSource openPictureSource(const QString &path)
{
    PictureSource source;
    source.path = path;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return source;
    const QByteArray head = pictureHead(path);
    if (const HeifFormat heif = heifFormatOf(head); heif != HeifFormat::None) {
        source.heifFormat = heifFormatName(heif);
        source.limit = MaxHeifSourcePixels;
        source.storedSize = heifPictureSize(path);
        source.status = LoadStatus::Ok;
        return source;
    }
    silenceImageLibraries();
    const FileCheck check = checkPictureFile(path);
    if (check.status != FileCheck::Status::Complete) {
        refuseByFileCheck(check, source);
        return source;
    }
    source.format = qtPictureFormatOf(head);
    if (source.format.isEmpty()) {
        source.status = LoadStatus::Unreadable;
        return source;
    }
    QImageReader reader(path, source.format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        source.status = LoadStatus::Unreadable;
        return source;
    }
    source.storedSize = reader.size();
    source.bytesPerPixel = decodedBytesPerPixel(reader.imageFormat());
    source.limit = source.bytesPerPixel > 4 ? Max16BitSourcePixels : MaxSourcePixels;
    if (source.storedSize.isValid()
        && qint64(source.storedSize.width()) * source.storedSize.height() > source.limit) {
        source.status = LoadStatus::TooLarge;
        return source;
    }
    source.transformation = reader.transformation();
    source.exifOrientation = check.exifOrientation;
    if (source.exifOrientation != 1)
        source.transformation = exifTransformation(source.exifOrientation);
    source.jpeg = reader.format() == "jpeg";
    source.status = LoadStatus::Ok;
    return source;
}

DecodedPicture decodePicture(const PictureSource &source, const DecodePlan &plan)
{
    // Freed, a decoded photo's memory goes back to the system.
    fixMemoryThresholds();
    DecodedPicture result;
    result.plan = plan;
    if (!source.heifFormat.isEmpty()) {
        // Averaged from the planes libheif decodes: a large photo is never laid
        // out whole a second time.
        HeifPicture heif = readHeifPicture(source.path, plan.average);
        result.status = heif.status;
        result.sourceSize = heif.sourceSize;
        result.image = std::move(heif.image);
        if (result.status == LoadStatus::Ok && imageStepFailed(result.image)) {
            result.image = {};
            result.status = LoadStatus::ConversionFailed;
        }
        if (result.status == LoadStatus::Ok)
            result.covered = QRect(QPoint(), heif.fullSize);
        return result;
    }
    silenceImageLibraries();
    const QSize stored = source.storedSize;
    QImageReader reader(source.path, source.format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    // Sizes rounded down, so that Qt asks libjpeg for exactly 1/reduction;
    // rounded up, Qt would decode larger and scale down in sRGB values.
    if (plan.reduction > 1)
        reader.setScaledSize(
            QSize(stored.width() / plan.reduction, stored.height() / plan.reduction));
    if (!plan.clip.isNull())
        reader.setClipRect(storedRect(plan.clip, stored, source.transformation));
    const JpegWarnings warnings;
    result.image = reader.read();
    if (warnings.damaged())
        result.image = {};
    if (result.image.isNull()) {
        result.status = LoadStatus::Unreadable;
        return result;
    }
    result.image = uprightPicture(result.image, source.exifOrientation);
    if (imageStepFailed(result.image)) {
        result.image = {};
        result.status = LoadStatus::ConversionFailed;
        return result;
    }
    if (!plan.clip.isNull())
        result.covered = plan.clip;
    else if (stored.isValid())
        result.covered = QRect(QPoint(), source.uprightSize());
    else
        result.covered = result.image.rect();
    result.status = LoadStatus::Ok;
    return averagedDown(std::move(result));
}

} // namespace prepare
