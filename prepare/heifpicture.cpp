#include "heifpicture.h"

#include "nclxcolorspace.h"

#include <QColorSpace>
#include <QFile>
#include <QtEndian>
#include <algorithm>
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

// The decoded image, owned by the QImage that shows it: no copy of the pixels.
HeifPicture decodePrimary(const heif_image_handle *handle)
{
    HeifPicture result;
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    const bool premultiplied = heif_image_handle_is_premultiplied_alpha(handle);
    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle) > 8;
    const heif_chroma chroma = deep ? heif_chroma_interleaved_RRGGBBAA_LE
        : alpha                     ? heif_chroma_interleaved_RGBA
                                    : heif_chroma_interleaved_RGB;
    const DecodingOptions options(heif_decoding_options_alloc(), &heif_decoding_options_free);
    if (!options)
        return result;
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
            result.status = LoadStatus::NoDecoder;
        return result;
    }
    int stride = 0;
    uchar *pixels = heif_image_get_plane(decoded, heif_channel_interleaved, &stride);
    const QSize size(heif_image_get_width(decoded, heif_channel_interleaved),
        heif_image_get_height(decoded, heif_channel_interleaved));
    if (!pixels || size.isEmpty()) {
        heif_image_release(decoded);
        return result;
    }
    QImage::Format format = QImage::Format_RGB888;
    if (deep) {
        widenSamples(pixels, stride, size,
            heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved), alpha);
        format = !alpha     ? QImage::Format_RGBX64
            : premultiplied ? QImage::Format_RGBA64_Premultiplied
                            : QImage::Format_RGBA64;
    } else if (alpha) {
        format = premultiplied ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBA8888;
    }
    // libheif aligns its rows to 16 bytes, as QImage wants them aligned to 4.
    result.image
        = QImage(pixels, size.width(), size.height(), stride, format, &releaseImage, decoded);
    if (result.image.isNull()) {
        heif_image_release(decoded);
        return result;
    }
    result.image.setColorSpace(colorSpaceOf(handle));
    result.status = LoadStatus::Ok;
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

HeifPicture readHeifPicture(const QString &path)
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
        result = decodePrimary(primary);
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
