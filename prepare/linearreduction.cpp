#include "linearreduction.h"

#include <QColorSpace>
#include <QRgba64>
#include <QtEndian>
#include <algorithm>
#include <array>
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

} // namespace

QImage reduceInLinearLight(const QImage &picture, int factor)
{
    const bool deep = picture.depth() == 64;
    const bool alpha = picture.hasAlphaChannel();
    // A decoded photo of 32 bits a pixel is read where it lies: its bytes are
    // blue, green, red, unused.
    const bool bgrx = picture.format() == QImage::Format_RGB32 && Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    // Light is averaged from straight colour values, weighted by alpha.
    const QImage image = alpha
        ? picture.convertToFormat(deep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888)
        : picture.format() == QImage::Format_RGB32 && !bgrx
        ? picture.convertToFormat(QImage::Format_RGB888)
        : picture;
    const QColorSpace space
        = image.colorSpace().isValid() ? image.colorSpace() : QColorSpace(QColorSpace::SRgb);
    const QColorSpace linear = space.withTransferFunction(QColorSpace::TransferFunction::Linear);
    const Curves curves = linearCurves(space, linear, deep ? 65536 : 256);
    const int bytesPerPixel = deep ? 8 : alpha || bgrx ? 4 : 3;
    const std::array<int, 4> offset = bgrx ? std::array {2, 1, 0, 3} : std::array {0, 1, 2, 3};
    const auto sample = [deep, offset](const uchar *at, int channel) -> uint {
        return deep ? qFromUnaligned<quint16>(at + 2 * channel) : at[offset[size_t(channel)]];
    };

    const int width = image.width();
    const int height = image.height();
    QImage reduced((width + factor - 1) / factor, (height + factor - 1) / factor,
        alpha ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBX64);
    if (reduced.isNull())
        return {};
    // Per output pixel of a row: light times alpha for each channel, and alpha.
    std::vector<quint64> sums(size_t(reduced.width()) * 4);
    for (int row = 0; row < reduced.height(); ++row) {
        std::fill(sums.begin(), sums.end(), 0);
        const int top = row * factor;
        const int rows = std::min(factor, height - top);
        for (int y = top; y < top + rows; ++y) {
            const uchar *line = image.constScanLine(y);
            for (int x = 0, column = 0; x < width; ++column) {
                quint64 *sum = sums.data() + size_t(column) * 4;
                for (const int end = std::min(width, x + factor); x < end; ++x) {
                    const uchar *pixel = line + qsizetype(x) * bytesPerPixel;
                    const quint64 cover = !alpha ? 65535
                        : deep                   ? sample(pixel, 3)
                                                 : sample(pixel, 3) * 257;
                    for (int channel = 0; channel < 3; ++channel)
                        sum[channel] += curves[size_t(channel)][sample(pixel, channel)] * cover;
                    sum[3] += cover;
                }
            }
        }
        auto *out = reinterpret_cast<QRgba64 *>(reduced.scanLine(row));
        for (int column = 0; column < reduced.width(); ++column) {
            const quint64 count
                = quint64(rows) * quint64(std::min(factor, width - column * factor));
            const quint64 *sum = sums.data() + size_t(column) * 4;
            const auto mean = [count](quint64 total) { return quint16(total / count); };
            out[column] = QRgba64::fromRgba64(mean(sum[0] / 65535), mean(sum[1] / 65535),
                mean(sum[2] / 65535), alpha ? mean(sum[3]) : 65535);
        }
    }
    reduced.setColorSpace(linear);
    return reduced;
}

} // namespace prepare
