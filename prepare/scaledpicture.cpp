#include "scaledpicture.h"

#include "imagestep.h"

#include <QColorSpace>
#include <QColorTransform>
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

// Above this many pixels, a whole picture decoded at full size for a small
// part of it costs more time and memory than decoding that part alone.
constexpr qint64 ClipAbovePixels = 4'000'000;

// How far a part may be reduced each way and still leave two pixels per
// target pixel both ways.
double allowedReduction(QSizeF part, QSizeF target)
{
    return std::min(part.width() / (2 * target.width()), part.height() / (2 * target.height()));
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
    if (alpha && !imageStepFailed(image)) {
        // By hand: Qt 6.4's conversion to RGBA64_Premultiplied multiplies by
        // alpha twice.
        for (int y = 0; y < image.height(); ++y) {
            auto *pixel = reinterpret_cast<QRgba64 *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                pixel[x] = pixel[x].premultiplied();
        }
        image.reinterpretAsFormat(QImage::Format_RGBA64_Premultiplied);
    }
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
    // Only RGBX64 is converted here: opaque, so Qt's premultiplying is exact.
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
            // Scaling may leave a premultiplied value a little above its alpha.
            const auto lay = [&](uint top, uint bottom) {
                return quint16(std::min(65535u, top + (bottom * (65535 - cover) + 32767) / 65535));
            };
            out[x] = QRgba64::fromRgba64(lay(in[x].red(), under.red()),
                lay(in[x].green(), under.green()), lay(in[x].blue(), under.blue()), 65535);
        }
    }
    canvas.setColorSpace(QColorSpace::SRgbLinear);
    return canvas;
}

// The region in pixels of the decoded picture; null for all of it.
QRect decodedPart(const DecodedPicture &decoded, const QRect &region)
{
    const QRect &covered = decoded.covered;
    const QRect all = decoded.image.rect();
    if (region.isNull() || region == covered)
        return all;
    const double across = double(all.width()) / covered.width();
    const double down = double(all.height()) / covered.height();
    const auto edge
        = [](int at, int origin, double scale) { return int(std::lround((at - origin) * scale)); };
    const int left = edge(region.x(), covered.x(), across);
    const int top = edge(region.y(), covered.y(), down);
    const int right = edge(region.x() + region.width(), covered.x(), across);
    const int bottom = edge(region.y() + region.height(), covered.y(), down);
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top)).intersected(all);
}

// The part of image smoothly scaled to size, in linear light.
QImage scaledPart(const QImage &image, const QRect &part, QSize size)
{
    // A part already in linear light is read where it lies: copied, a large
    // part would cost more than the scaling. Nothing but the scaling reads
    // such a view: Qt 6.4's conversions of an image whose rows lie further
    // apart than its width overrun their target.
    const bool linear = image.format() == QImage::Format_RGBX64
        && image.colorSpace() == QColorSpace(QColorSpace::SRgbLinear);
    if (linear && part != image.rect() && part.size() != size) {
        QImage view(image.constScanLine(part.y()) + qsizetype(part.x()) * 8, part.width(),
            part.height(), image.bytesPerLine(), image.format());
        view.setColorSpace(image.colorSpace());
        return view.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage copy = part == image.rect() ? image : image.copy(part);
    if (imageStepFailed(copy))
        return {};
    return toLinearLight(std::move(copy))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

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

DecodePlan decodePlan(const PictureSource &source, const Geometry &geometry, bool reducedDecode)
{
    DecodePlan plan;
    plan.average = 1;
    const QSize upright = source.uprightSize();
    if (!reducedDecode || !upright.isValid())
        return plan;
    // One plan for every part a front end's frame can take, down to the
    // smallest, so that a front end decodes and reduces once for all of them.
    const QSizeF finest = QSizeF(middleRect(upright).size()) / MaxFrameZoom;
    double reduction = allowedReduction(finest, PictureSize);
    const QRect &region = geometry.region;
    // A frame's size is rounded to whole pixels.
    const bool detail = !region.isNull()
        && (region.width() + 1 < finest.width() || region.height() + 1 < finest.height());
    if (detail) {
        reduction = std::min(reduction,
            allowedReduction(region.size(), wholeScaledSize(region.size(), geometry.fit)));
    }
    if (source.jpeg) {
        for (const int jpeg : {8, 4, 2}) {
            if (jpeg <= reduction) {
                plan.reduction = jpeg;
                break;
            }
        }
    }
    plan.average = std::max(1, int(reduction / plan.reduction));
    if (detail && plan.reduction == 1
        && qint64(upright.width()) * upright.height() > ClipAbovePixels)
        plan.clip = region;
    return plan;
}

bool regionFits(const PictureSource &source, const QRect &region)
{
    const QSize upright = source.uprightSize();
    return region.isNull() || !upright.isValid() || QRect(QPoint(), upright).contains(region);
}

QImage scaleToPicture(const DecodedPicture &decoded, const Geometry &geometry)
{
    QRect part = decodedPart(decoded, geometry.region);
    if (geometry.fit == Fit::Crop)
        part = middleRect(part.size()).translated(part.topLeft());
    const QSize size = geometry.fit == Fit::Pad ? paddedSize(part.size()) : PictureSize;
    const QImage scaled = scaledPart(decoded.image, part, size);
    const QPoint offset((PictureWidth - size.width()) / 2, (PictureHeight - size.height()) / 2);
    if (imageStepFailed(scaled))
        return {};
    QImage picture = composeOnBackground(scaled, offset, geometry.background);
    picture.convertToColorSpace(QColorSpace::SRgb);
    QImage converted = picture.convertToFormat(QImage::Format_RGB888);
    return imageStepFailed(converted) ? QImage() : converted;
}

ScaledPicture loadScaledPicture(const QString &path, const Geometry &geometry, bool reducedDecode)
{
    ScaledPicture result;
    const PictureSource source = openPictureSource(path);
    result.sourceSize = source.storedSize;
    result.limit = source.limit;
    result.status = source.status;
    if (source.status != LoadStatus::Ok)
        return result;
    if (!regionFits(source, geometry.region)) {
        result.status = LoadStatus::RegionOutside;
        return result;
    }
    const DecodedPicture decoded
        = decodePicture(source, decodePlan(source, geometry, reducedDecode));
    result.reduction = decoded.plan.reduction;
    result.format = source.heifFormat;
    if (decoded.sourceSize.isValid())
        result.sourceSize = decoded.sourceSize;
    result.status = decoded.status;
    if (decoded.status != LoadStatus::Ok)
        return result;
    result.image = scaleToPicture(decoded, geometry);
    if (result.image.isNull())
        result.status = LoadStatus::ConversionFailed;
    return result;
}

} // namespace prepare
