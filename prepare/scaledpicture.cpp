#include "scaledpicture.h"

#include "exiforientation.h"
#include "filecheck.h"
#include "heifpicture.h"
#include "imagestep.h"
#include "librarywarnings.h"
#include "linearreduction.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QFileInfo>
#include <QImageReader>
#include <QRgba64>
#include <algorithm>
#include <cmath>

namespace prepare {

namespace {

const QSize PictureSize(PictureWidth, PictureHeight);

// The size the whole upright picture takes once scaled for the fit; larger
// than 160 x 120 for a crop, smaller for a pad.
QSizeF wholeScaledSize(QSizeF upright, Fit fit)
{
    if (fit == Fit::Stretch)
        return PictureSize;
    const double across = PictureWidth / upright.width();
    const double down = PictureHeight / upright.height();
    return upright * (fit == Fit::Crop ? std::max(across, down) : std::min(across, down));
}

// libjpeg's largest reduction that leaves at least two decoded pixels per
// target pixel in both directions. Sizes are in stored (not upright) orientation.
int jpegReduction(QSize stored, QSizeF target)
{
    for (const int reduction : {8, 4, 2}) {
        if (stored.width() / reduction >= 2 * target.width()
            && stored.height() / reduction >= 2 * target.height())
            return reduction;
    }
    return 1;
}

// The largest whole factor that leaves at least two pixels per target pixel
// in both directions.
int linearReduction(QSize size, QSizeF target)
{
    return std::max(1,
        int(std::min(size.width() / (2 * target.width()), size.height() / (2 * target.height()))));
}

// The middle of the picture in the 4:3 shape of the target.
QRect middleRect(QSize size)
{
    const qint64 width = size.width();
    const qint64 height = size.height();
    if (width * PictureHeight > height * PictureWidth) {
        const int kept = std::max(1, int(std::lround(double(height) * 4 / 3)));
        return QRect(int((width - kept) / 2), 0, kept, int(height));
    }
    const int kept = std::max(1, int(std::lround(double(width) * 3 / 4)));
    return QRect(0, int((height - kept) / 2), int(width), kept);
}

QSize paddedSize(QSize size)
{
    const QSizeF inside = wholeScaledSize(size, Fit::Pad);
    return QSize(std::clamp(int(std::lround(inside.width())), 1, PictureWidth),
        std::clamp(int(std::lround(inside.height())), 1, PictureHeight));
}

// 16 bits a channel in linear light, premultiplied where there is alpha, so
// that Qt's smooth scaling averages light and not sRGB code values.
QImage toLinearLight(QImage image)
{
    if (!image.colorSpace().isValid())
        image.setColorSpace(QColorSpace::SRgb);
    const bool alpha = image.hasAlphaChannel();
    image.convertTo(alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
    image.convertToColorSpace(QColorSpace::SRgbLinear);
    if (alpha)
        image.convertTo(QImage::Format_RGBA64_Premultiplied);
    return image;
}

QRgba64 linearBackground(QRgb background)
{
    const QColorTransform toLinear
        = QColorSpace(QColorSpace::SRgb).transformationToColorSpace(QColorSpace::SRgbLinear);
    return toLinear.map(QRgba64::fromArgb32(background | 0xff000000));
}

// Lays the scaled picture at offset on the background, in linear light.
QImage composeOnBackground(const QImage &scaled, QPoint offset, QRgb background)
{
    const QImage source = scaled.convertToFormat(QImage::Format_RGBA64_Premultiplied);
    QImage canvas(PictureSize, QImage::Format_RGBX64);
    if (imageStepFailed(source) || imageStepFailed(canvas))
        return {};
    const QRgba64 under = linearBackground(background);
    canvas.fill(QColor::fromRgba64(under));
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgba64 *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgba64 *>(canvas.scanLine(y + offset.y())) + offset.x();
        for (int x = 0; x < source.width(); ++x) {
            const uint cover = in[x].alpha();
            const auto lay = [&](uint top, uint bottom) {
                return quint16(top + (bottom * (65535 - cover) + 32767) / 65535);
            };
            out[x] = QRgba64::fromRgba64(lay(in[x].red(), under.red()),
                lay(in[x].green(), under.green()), lay(in[x].blue(), under.blue()), 65535);
        }
    }
    canvas.setColorSpace(QColorSpace::SRgbLinear);
    return canvas;
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

// Qt's reader refuses to allocate more than a fixed limit, lower than a 50
// megapixel picture needs; raised as far as this picture needs. Qt's own limit
// stays in force for a picture whose header does not tell its size.
void allowAllocationFor(QSize size, int bytesPerPixel)
{
    constexpr qint64 Mebibyte = 1 << 20;
    constexpr int QtDefaultMebibytes = 128;
    const qint64 bytes = size.isValid() ? qint64(size.width()) * size.height() * bytesPerPixel : 0;
    QImageReader::setAllocationLimit(
        int(std::max<qint64>(QtDefaultMebibytes, (bytes + Mebibyte - 1) / Mebibyte)));
}

// A cut file whose header claims too much is still too large, as a whole one would be.
ScaledPicture refusedByFileCheck(const FileCheck &check)
{
    ScaledPicture result;
    const QSize claimed = check.claimedSize;
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > MaxSourcePixels) {
        result.status = LoadStatus::TooLarge;
        result.sourceSize = claimed;
        result.limit = MaxSourcePixels;
    } else if (check.status == FileCheck::Status::TooManyScans) {
        result.status = LoadStatus::TooManyScans;
        result.limit = MaxJpegScans;
    } else {
        result.status = LoadStatus::Unreadable;
    }
    return result;
}

ScaledPicture conversionFailed()
{
    ScaledPicture result;
    result.status = LoadStatus::ConversionFailed;
    return result;
}

// Any picture but a HEIF-family one, through Qt's image plugins, upright;
// sets the status, source size and limit in result where it fails.
QImage readWithQt(
    const QString &path, const Geometry &geometry, bool reducedDecode, ScaledPicture &result)
{
    silenceImageLibraries();
    const FileCheck check = checkPictureFile(path);
    if (check.status != FileCheck::Status::Complete) {
        result = refusedByFileCheck(check);
        return {};
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        result.status = LoadStatus::Unreadable;
        return {};
    }
    const QSize stored = reader.size();
    result.sourceSize = stored;
    const int bytesPerPixel = decodedBytesPerPixel(reader.imageFormat());
    result.limit = bytesPerPixel > 4 ? Max16BitSourcePixels : MaxSourcePixels;
    if (stored.isValid() && qint64(stored.width()) * stored.height() > result.limit) {
        result.status = LoadStatus::TooLarge;
        return {};
    }
    allowAllocationFor(stored, bytesPerPixel);
    if (reducedDecode && stored.isValid() && reader.format() == "jpeg") {
        // The EXIF orientation turns the picture only after decoding, while
        // the reduced size is asked for in stored orientation.
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        QSizeF target = wholeScaledSize(turned ? stored.transposed() : stored, geometry.fit);
        if (turned)
            target.transpose();
        result.reduction = jpegReduction(stored, target);
        // Sizes rounded down, so that Qt asks libjpeg for exactly 1/reduction;
        // rounded up, Qt would decode larger and scale down in sRGB values.
        if (result.reduction > 1)
            reader.setScaledSize(
                QSize(stored.width() / result.reduction, stored.height() / result.reduction));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        result.status = LoadStatus::Unreadable;
        return {};
    }
    image = uprightPicture(image, check.exifOrientation);
    if (imageStepFailed(image)) {
        result.status = LoadStatus::ConversionFailed;
        return {};
    }
    return image;
}

} // namespace

ScaledPicture loadScaledPicture(const QString &path, const Geometry &geometry, bool reducedDecode)
{
    ScaledPicture result;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return result;
    QImage image;
    if (const HeifFormat heif = heifFormatOfFile(path); heif != HeifFormat::None) {
        HeifPicture decoded = readHeifPicture(path);
        result.status = decoded.status;
        result.sourceSize = decoded.sourceSize;
        result.format = heifFormatName(heif);
        image = std::move(decoded.image);
        // HEVC and AV1 have no reduced decode: the decoded picture is
        // averaged down before the smooth scaling takes it to 160 x 120.
        if (reducedDecode && !image.isNull()) {
            result.reduction
                = linearReduction(image.size(), wholeScaledSize(image.size(), geometry.fit));
            if (result.reduction > 1)
                image = reduceInLinearLight(image, result.reduction);
        }
    } else {
        image = readWithQt(path, geometry, reducedDecode, result);
    }
    if (image.isNull()) {
        if (result.status == LoadStatus::Ok)
            result.status = LoadStatus::Unreadable;
        return result;
    }

    QImage scaled;
    QPoint offset;
    switch (geometry.fit) {
    case Fit::Crop: {
        const QRect middle = middleRect(image.size());
        if (middle != image.rect())
            image = image.copy(middle);
        if (imageStepFailed(image))
            return conversionFailed();
        scaled = toLinearLight(std::move(image))
                     .scaled(PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    }
    case Fit::Pad: {
        const QSize inside = paddedSize(image.size());
        scaled = toLinearLight(std::move(image))
                     .scaled(inside, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        offset = QPoint((PictureWidth - inside.width()) / 2, (PictureHeight - inside.height()) / 2);
        break;
    }
    case Fit::Stretch:
        scaled = toLinearLight(std::move(image))
                     .scaled(PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    }
    if (imageStepFailed(scaled))
        return conversionFailed();
    QImage picture = composeOnBackground(scaled, offset, geometry.background);
    picture.convertToColorSpace(QColorSpace::SRgb);
    result.image = picture.convertToFormat(QImage::Format_RGB888);
    if (imageStepFailed(result.image))
        return conversionFailed();
    result.status = LoadStatus::Ok;
    return result;
}

} // namespace prepare
