#include "heifpicture.h"

#include "linearreduction.h"
#include "nclxcolorspace.h"

#include <QColorSpace>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <libheif/heif.h>
#include <memory>

namespace prepare {

namespace {

using Context = std::unique_ptr<heif_context, decltype(&heif_context_free)>;
using Handle = std::unique_ptr<const heif_image_handle, decltype(&heif_image_handle_release)>;
using DecodingOptions
    = std::unique_ptr<heif_decoding_options, decltype(&heif_decoding_options_free)>;
using Nclx = std::unique_ptr<heif_color_profile_nclx, decltype(&heif_nclx_color_profile_free)>;

// Brands, major or compatible, that name the codec (ISO/IEC 23008-12 and the
// AV1 image file format), and those of a HEIF file of any codec.
constexpr const char *HeicBrands[] = {"heic", "heix", "heim", "heis", "hevc", "hevx"};
constexpr const char *AvifBrands[] = {"avif", "avis"};
constexpr const char *HeifBrands[] = {"mif1", "msf1"};

bool hasBrand(const QList<QByteArray> &brands, const auto &wanted)
{
    for (const char *brand : wanted)
        if (brands.contains(brand))
            return true;
    return false;
}

void releaseImage(void *image)
{
    heif_image_release(static_cast<heif_image *>(image));
}

// libheif leaves 10- and 12-bit samples in the low bits; Qt's 64-bit formats
// want them across all 16. Alpha, where the picture has none, is opaque.
void widenSamples(uchar *data, int stride, QSize size, int bits, bool alpha)
{
    bits = std::clamp(bits, 9, 16);
    const auto widen = [bits](quint16 value) {
        return quint16((value << (16 - bits)) | (value >> (2 * bits - 16)));
    };
    for (int y = 0; y < size.height(); ++y) {
        uchar *sample = data + qsizetype(y) * stride;
        for (int x = 0; x < size.width(); ++x, sample += 8) {
            for (int channel = 0; channel < 3; ++channel)
                qToUnaligned(
                    widen(qFromLittleEndian<quint16>(sample + 2 * channel)), sample + 2 * channel);
            qToUnaligned(alpha ? widen(qFromLittleEndian<quint16>(sample + 6)) : quint16(0xffff),
                sample + 6);
        }
    }
}

QColorSpace colorSpaceOf(const heif_image_handle *handle)
{
    switch (heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray icc(
            qsizetype(heif_image_handle_get_raw_color_profile_size(handle)), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
            return {};
        return QColorSpace::fromIccProfile(icc);
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx *read = nullptr;
        if (heif_image_handle_get_nclx_color_profile(handle, &read).code != heif_error_Ok)
            return {};
        const Nclx nclx(read, &heif_nclx_color_profile_free);
        const NclxPrimaries primaries {{nclx->color_primary_white_x, nclx->color_primary_white_y},
            {nclx->color_primary_red_x, nclx->color_primary_red_y},
            {nclx->color_primary_green_x, nclx->color_primary_green_y},
            {nclx->color_primary_blue_x, nclx->color_primary_blue_y}};
        return nclxColorSpace(nclx->color_primaries, primaries, nclx->transfer_characteristics);
    }
    case heif_color_profile_type_not_present:
        break;
    }
    return {};
}

using Image = std::unique_ptr<heif_image, decltype(&heif_image_release)>;

// How decodePrimary lays the picture out: Format_RGB888 or RGBA8888 for 8 bits,
// RGBX64 or RGBA64 for more, premultiplied where the file says so.
QImage::Format qtFormatOf(const heif_image_handle *handle)
{
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    const bool premultiplied = heif_image_handle_is_premultiplied_alpha(handle);
    if (heif_image_handle_get_luma_bits_per_pixel(handle) > 8)
        return !alpha       ? QImage::Format_RGBX64
            : premultiplied ? QImage::Format_RGBA64_Premultiplied
                            : QImage::Format_RGBA64;
    return !alpha       ? QImage::Format_RGB888
        : premultiplied ? QImage::Format_RGBA8888_Premultiplied
                        : QImage::Format_RGBA8888;
}

// The primary image decoded to RGB in the given chroma; null with the status
// of the failure.
Image decodeRgb(const heif_image_handle *handle, heif_chroma chroma, LoadStatus &status)
{
    status = LoadStatus::Unreadable;
    const DecodingOptions options(heif_decoding_options_alloc(), &heif_decoding_options_free);
    if (!options)
        return {nullptr, &heif_image_release};
    // Invalid input fails rather than being decoded as well as it goes.
    options->strict_decoding = 1;
    heif_image *decoded = nullptr;
    const heif_error error
        = heif_decode_image(handle, &decoded, heif_colorspace_RGB, chroma, options.get());
    if (error.code != heif_error_Ok) {
        // No decoder plugin for the codec, or a codec this libheif does not know.
        if (error.code == heif_error_Unsupported_feature
            && (error.subcode == heif_suberror_Unsupported_codec
                || error.subcode == heif_suberror_Unsupported_image_type))
            status = LoadStatus::NoDecoder;
        return {nullptr, &heif_image_release};
    }
    status = LoadStatus::Ok;
    return {decoded, &heif_image_release};
}

// The decoded image, owned by the QImage that shows it: no copy of the pixels.
HeifPicture decodePrimary(const heif_image_handle *handle)
{
    HeifPicture result;
    const QImage::Format format = qtFormatOf(handle);
    const bool alpha = QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha;
    const bool deep = QImage::toPixelFormat(format).bitsPerPixel() == 64;
    const heif_chroma chroma = deep ? heif_chroma_interleaved_RRGGBBAA_LE
        : alpha                     ? heif_chroma_interleaved_RGBA
                                    : heif_chroma_interleaved_RGB;
    Image decoded = decodeRgb(handle, chroma, result.status);
    if (!decoded)
        return result;
    result.status = LoadStatus::Unreadable;
    int stride = 0;
    uchar *pixels = heif_image_get_plane(decoded.get(), heif_channel_interleaved, &stride);
    const QSize size(heif_image_get_width(decoded.get(), heif_channel_interleaved),
        heif_image_get_height(decoded.get(), heif_channel_interleaved));
    if (!pixels || size.isEmpty())
        return result;
    if (deep)
        widenSamples(pixels, stride, size,
            heif_image_get_bits_per_pixel_range(decoded.get(), heif_channel_interleaved), alpha);
    // libheif aligns its rows to 16 bytes, as QImage wants them aligned to 4.
    result.image
        = QImage(pixels, size.width(), size.height(), stride, format, &releaseImage, decoded.get());
    if (result.image.isNull())
        return result;
    decoded.release();
    result.image.setColorSpace(colorSpaceOf(handle));
    result.fullSize = size;
    result.status = LoadStatus::Ok;
    return result;
}

// The red, green, blue and (where there is alpha) alpha planes of a picture
// decoded in planes, 8 or 16 bits a sample.
struct Planes
{
    std::array<const uchar *, 4> data {};
    std::array<int, 4> stride {};
    int channels = 3;
    int bits = 8;
    QSize size;
};

Planes planesOf(const heif_image *image, bool alpha)
{
    Planes planes;
    planes.channels = alpha ? 4 : 3;
    const heif_channel channels[]
        = {heif_channel_R, heif_channel_G, heif_channel_B, heif_channel_Alpha};
    for (int channel = 0; channel < planes.channels; ++channel) {
        planes.data[size_t(channel)] = heif_image_get_plane_readonly(
            image, channels[channel], &planes.stride[size_t(channel)]);
        if (!planes.data[size_t(channel)])
            return {};
    }
    planes.bits = heif_image_get_bits_per_pixel_range(image, heif_channel_R);
    planes.size = QSize(
        heif_image_get_width(image, heif_channel_R), heif_image_get_height(image, heif_channel_R));
    return planes;
}

// Rows of the planes laid out as decodePrimary lays out the whole picture, so
// that the averaged picture is the same either way.
QImage interleavedRows(
    const Planes &planes, QImage::Format format, const QColorSpace &space, int top, int count)
{
    QImage rows(planes.size.width(), count, format);
    if (rows.isNull())
        return {};
    const bool deep = rows.depth() == 64;
    const int sampleBytes = deep ? 2 : 1;
    const int pixelBytes = rows.depth() / 8;
    for (int y = 0; y < count; ++y) {
        uchar *line = rows.scanLine(y);
        for (int channel = 0; channel < planes.channels; ++channel) {
            const uchar *in = planes.data[size_t(channel)]
                + qsizetype(top + y) * planes.stride[size_t(channel)];
            uchar *out = line + channel * sampleBytes;
            for (int x = 0; x < planes.size.width(); ++x, out += pixelBytes) {
                if (deep)
                    qToLittleEndian(reinterpret_cast<const quint16 *>(in)[x], out);
                else
                    *out = in[x];
            }
        }
    }
    if (deep)
        widenSamples(
            rows.bits(), int(rows.bytesPerLine()), rows.size(), planes.bits, planes.channels == 4);
    rows.setColorSpace(space);
    return rows;
}

// Decoded in planes, which libheif makes without a second, interleaved copy
// of the whole picture, and averaged down from them a band at a time.
HeifPicture decodeAveraged(const heif_image_handle *handle, int factor)
{
    HeifPicture result;
    const Image decoded = decodeRgb(handle, heif_chroma_444, result.status);
    if (!decoded)
        return result;
    const QImage::Format format = qtFormatOf(handle);
    const Planes planes = planesOf(
        decoded.get(), QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha);
    if (planes.size.isEmpty()) {
        result.status = LoadStatus::Unreadable;
        return result;
    }
    const QColorSpace space = colorSpaceOf(handle);
    result.image = reduceInLinearLight(
        planes.size,
        [&](int top, int count) { return interleavedRows(planes, format, space, top, count); },
        factor);
    result.fullSize = planes.size;
    if (result.image.isNull())
        result.status = LoadStatus::ConversionFailed;
    return result;
}

} // namespace

HeifFormat heifFormatOf(const QByteArray &head)
{
    // The ftyp box: size, "ftyp", major brand, minor version, compatible brands.
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return HeifFormat::None;
    const qsizetype boxEnd
        = std::min<qsizetype>(head.size(), qFromBigEndian<quint32>(head.constData()));
    QList<QByteArray> brands {head.mid(8, 4)};
    for (qsizetype at = 16; at + 4 <= boxEnd; at += 4)
        brands.append(head.mid(at, 4));
    if (hasBrand(brands, AvifBrands))
        return HeifFormat::Avif;
    if (hasBrand(brands, HeicBrands))
        return HeifFormat::Heic;
    if (hasBrand(brands, HeifBrands))
        return HeifFormat::Heif;
    return HeifFormat::None;
}

HeifFormat heifFormatOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return HeifFormat::None;
    return heifFormatOf(file.read(64));
}

QString heifFormatName(HeifFormat format)
{
    switch (format) {
    case HeifFormat::Heic:
        return QStringLiteral("HEIC");
    case HeifFormat::Avif:
        return QStringLiteral("AVIF");
    case HeifFormat::Heif:
    case HeifFormat::None:
        break;
    }
    return QStringLiteral("HEIF");
}

HeifPicture readHeifPicture(const QString &path, int average)
{
    const Context context(heif_context_alloc(), &heif_context_free);
    if (!context)
        return {};
    // libheif refuses a claimed size above 32768 each way as unreadable; let
    // it through, so that it meets the size limit below (nothing is decoded).
    heif_context_set_maximum_image_size_limit(context.get(), 1 << 20);
    // Reading the file parses its boxes only; the pixels wait for the decode.
    if (heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr)
            .code
        != heif_error_Ok)
        return {};
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    const Handle handle(primary, &heif_image_handle_release);

    const QSize upright(
        heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    // What is decoded is the stored size, before any crop.
    const qint64 stored = qint64(heif_image_handle_get_ispe_width(primary))
        * heif_image_handle_get_ispe_height(primary);
    HeifPicture result;
    if (std::max(stored, qint64(upright.width()) * upright.height()) > MaxHeifSourcePixels)
        result.status = LoadStatus::TooLarge;
    else
        result = average < 1 ? decodePrimary(primary) : decodeAveraged(primary, average);
    result.sourceSize = upright;
    return result;
}

QSize heifPictureSize(const QString &path)
{
    const Context context(heif_context_alloc(), &heif_context_free);
    heif_image_handle *primary = nullptr;
    if (!context
        || heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr)
                .code
            != heif_error_Ok
        || heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    const Handle handle(primary, &heif_image_handle_release);
    const QSize size(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    return size.isEmpty() ? QSize() : size;
}

} // namespace prepare
