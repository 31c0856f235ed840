#include "linearreduction.h"

#include <QColorSpace>
#include <QRgba64>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace prepare {

namespace {

// Linear light of each code value, per channel: the transfer curves of an ICC
// profile may differ between red, green and blue. Converted as an image, as
// every other conversion is: QColorTransform::map() rounds otherwise once Qt
// has built its tables for the colour space, so a single value's light would
// depend on what the process converted before.
using Curves = std::array<std::vector<quint16>, 3>;

Curves linearCurves(const QColorSpace &space, const QColorSpace &linear, int codeValues)
{
    QImage ramp(codeValues, 1, QImage::Format_RGBX64);
    auto *values = reinterpret_cast<QRgba64 *>(ramp.scanLine(0));
    const int scale = 65535 / (codeValues - 1);
    for (int value = 0; value < codeValues; ++value) {
        const auto code = quint16(value * scale);
        values[value] = QRgba64::fromRgba64(code, code, code, 65535);
    }
    ramp.setColorSpace(space);
    ramp.convertToColorSpace(linear);
    const auto *light = reinterpret_cast<const QRgba64 *>(ramp.constScanLine(0));
    Curves curves;
    for (std::vector<quint16> &curve : curves)
        curve.resize(size_t(codeValues));
    for (int value = 0; value < codeValues; ++value) {
        curves[0][size_t(value)] = light[value].red();
        curves[1][size_t(value)] = light[value].green();
        curves[2][size_t(value)] = light[value].blue();
    }
    return curves;
}

// Rows in a layout read below: 8 or 16 bits a channel, red first, straight
// alpha; or, as a decoded photo of 32 bits a pixel often comes, blue, green,
// red, unused. Converted a band at a time, a large photo is never copied whole.
QImage readableRows(const QImage &rows)
{
    switch (rows.format()) {
    case QImage::Format_RGB888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
        return rows;
    case QImage::Format_RGB32:
        if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
            return rows;
        break;
    default:
        break;
    }
    const bool alpha = rows.hasAlphaChannel();
    if (rows.depth() > 32 || rows.format() == QImage::Format_Grayscale16)
        return rows.convertToFormat(alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
    return rows.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
}

// How the samples of readable rows lie, and their light.
struct RowLayout
{
    explicit RowLayout(const QImage &rows)
        : deep(rows.depth() == 64)
        , alpha(rows.hasAlphaChannel())
        , bgrx(rows.format() == QImage::Format_RGB32)
        , bytesPerPixel(deep      ? 8
                  : alpha || bgrx ? 4
                                  : 3)
        , offset(bgrx ? std::array {2, 1, 0, 3} : std::array {0, 1, 2, 3})
        , space(rows.colorSpace().isValid() ? rows.colorSpace() : QColorSpace(QColorSpace::SRgb))
        , linear(space.withTransferFunction(QColorSpace::TransferFunction::Linear))
        , curves(linearCurves(space, linear, deep ? 65536 : 256))
    { }

    uint sample(const uchar *pixel, int channel) const
    {
        return deep ? qFromUnaligned<quint16>(pixel + 2 * channel) : pixel[offset[size_t(channel)]];
    }

    bool deep;
    bool alpha;
    bool bgrx;
    int bytesPerPixel;
    std::array<int, 4> offset;
    QColorSpace space;
    QColorSpace linear;
    Curves curves;
};

} // namespace

QImage reduceInLinearLight(const QImage &image, int factor)
{
    // Each band is a view of the image's rows: copied, every band met fresh
    // pages, which cost more than the averaging itself.
    return reduceInLinearLight(
        image.size(),
        [&image](int top, int count) {
            QImage band(image.constScanLine(top), image.width(), count, image.bytesPerLine(),
                image.format());
            band.setColorTable(image.colorTable());
            band.setColorSpace(image.colorSpace());
            return band;
        },
        factor);
}

QImage reduceInLinearLight(QSize size, const PictureRows &rows, int factor)
{
    const int width = size.width();
    const int height = size.height();
    std::optional<RowLayout> layout;
    QImage reduced;
    // Per output pixel of a row: light times alpha for each channel, and alpha.
    std::vector<quint64> sums(size_t((width + factor - 1) / factor) * 4);
    for (int row = 0; row * factor < height; ++row) {
        const int top = row * factor;
        const int count = std::min(factor, height - top);
        const QImage band = readableRows(rows(top, count));
        if (band.isNull() || band.width() != width || band.height() != count)
            return {};
        if (!layout) {
            layout.emplace(band);
            reduced = QImage((width + factor - 1) / factor, (height + factor - 1) / factor,
                layout->alpha ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBX64);
            if (reduced.isNull())
                return {};
        }
        const RowLayout &in = *layout;
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = 0; y < count; ++y) {
            const uchar *line = band.constScanLine(y);
            for (int x = 0, column = 0; x < width; ++column) {
                quint64 *sum = sums.data() + size_t(column) * 4;
                for (const int end = std::min(width, x + factor); x < end; ++x) {
                    const uchar *pixel = line + qsizetype(x) * in.bytesPerPixel;
                    const quint64 cover = !in.alpha ? 65535
                        : in.deep                   ? in.sample(pixel, 3)
                                                    : in.sample(pixel, 3) * 257;
                    for (int channel = 0; channel < 3; ++channel)
                        sum[channel]
                            += in.curves[size_t(channel)][in.sample(pixel, channel)] * cover;
                    sum[3] += cover;
                }
            }
        }
        auto *out = reinterpret_cast<QRgba64 *>(reduced.scanLine(row));
        for (int column = 0; column < reduced.width(); ++column) {
            const quint64 pixels
                = quint64(count) * quint64(std::min(factor, width - column * factor));
            const quint64 *sum = sums.data() + size_t(column) * 4;
            const auto mean = [pixels](quint64 total) { return quint16(total / pixels); };
            out[column] = QRgba64::fromRgba64(mean(sum[0] / 65535), mean(sum[1] / 65535),
                mean(sum[2] / 65535), in.alpha ? mean(sum[3]) : 65535);
        }
    }
    if (layout)
        reduced.setColorSpace(layout->linear);
    return reduced;
}

} // namespace prepare
