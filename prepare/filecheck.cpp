#include "filecheck.h"

#include "exiforientation.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <zlib.h>

namespace prepare {

namespace {

using Status = FileCheck::Status;

FileCheck verdict(Status status)
{
    FileCheck check;
    check.status = status;
    return check;
}

// Bounds-checked reading: every read past the end says so instead.
class Bytes
{
public:
    explicit Bytes(QByteArrayView bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.data()))
        , m_size(bytes.size())
    { }

    qint64 size() const { return m_size; }
    bool has(qint64 at, qint64 count) const
    {
        return at >= 0 && count >= 0 && at + count <= m_size;
    }
    uchar at(qint64 at) const { return m_data[at]; }
    const uchar *data(qint64 at) const { return m_data + at; }
    QByteArrayView view(qint64 at, qint64 count) const
    {
        return QByteArrayView(m_data + at, count);
    }
    quint16 le16(qint64 at) const { return qFromLittleEndian<quint16>(m_data + at); }
    quint32 le32(qint64 at) const { return qFromLittleEndian<quint32>(m_data + at); }
    quint16 be16(qint64 at) const { return qFromBigEndian<quint16>(m_data + at); }
    quint32 be32(qint64 at) const { return qFromBigEndian<quint32>(m_data + at); }

private:
    const uchar *m_data;
    qint64 m_size;
};

// The end of a scan's entropy-coded data: the next marker other than a
// stuffed zero, a restart marker or fill.
qint64 endOfScanData(const Bytes &bytes, qint64 pos)
{
    while (pos < bytes.size()) {
        const auto *found = static_cast<const uchar *>(
            std::memchr(bytes.data(pos), 0xff, size_t(bytes.size() - pos)));
        if (!found)
            return bytes.size();
        pos = found - bytes.data(0);
        if (pos + 1 >= bytes.size())
            return bytes.size();
        const uchar next = bytes.at(pos + 1);
        if (next == 0x00 || (next >= 0xd0 && next <= 0xd7))
            pos += 2;
        else if (next == 0xff)
            pos += 1;
        else
            return pos;
    }
    return pos;
}

FileCheck checkJpeg(const Bytes &bytes)
{
    int scans = 0;
    qint64 pos = 2;
    while (true) {
        // libjpeg skips stray bytes before a marker; so does this walk.
        while (bytes.has(pos, 1) && bytes.at(pos) != 0xff)
            ++pos;
        while (bytes.has(pos, 1) && bytes.at(pos) == 0xff)
            ++pos;
        if (!bytes.has(pos, 1))
            return verdict(Status::Truncated);
        const uchar marker = bytes.at(pos++);
        if (marker == 0xd9)
            return {};
        const bool standalone
            = marker == 0x00 || marker == 0x01 || (marker >= 0xd0 && marker <= 0xd8);
        if (standalone)
            continue;
        if (!bytes.has(pos, 2) || bytes.be16(pos) < 2 || !bytes.has(pos, bytes.be16(pos)))
            return verdict(Status::Truncated);
        pos += bytes.be16(pos);
        if (marker == 0xda) {
            if (++scans > MaxJpegScans)
                return verdict(Status::TooManyScans);
            pos = endOfScanData(bytes, pos);
        }
    }
}

FileCheck checkPng(const Bytes &bytes)
{
    FileCheck check;
    if (bytes.has(16, 8)) {
        // A side of 0 makes no picture: libpng refuses it, so nothing is claimed.
        if (bytes.be32(16) == 0 || bytes.be32(20) == 0)
            return verdict(Status::Truncated);
        check.claimedSize = QSize(int(qMin<quint32>(bytes.be32(16), INT_MAX)),
            int(qMin<quint32>(bytes.be32(20), INT_MAX)));
    }
    qint64 pos = 8;
    while (bytes.has(pos, 8)) {
        const qint64 length = bytes.be32(pos);
        const QByteArrayView type = bytes.view(pos + 4, 4);
        // A length beyond the file would have libpng allocate it and read on.
        if (!bytes.has(pos + 8, length + 4)) {
            check.status = Status::Truncated;
            return check;
        }
        // libpng prints its own line for a critical chunk that fails its CRC.
        const bool critical = !(bytes.at(pos + 4) & 0x20);
        if (critical
            && crc32(0, bytes.data(pos + 4), uInt(length + 4)) != bytes.be32(pos + 8 + length)) {
            check.status = Status::Truncated;
            return check;
        }
        if (type == "eXIf")
            check.exifOrientation = exifOrientation(bytes.view(pos + 8, length));
        if (type == "IEND")
            return check;
        pos += 12 + length;
    }
    check.status = Status::Truncated;
    return check;
}

// Run-length encoded pixels, 8 or 4 bits each, from pos to the end-of-bitmap code.
FileCheck checkBmpRunLengths(const Bytes &bytes, qint64 pos, bool fourBits)
{
    while (bytes.has(pos, 2)) {
        const uchar count = bytes.at(pos);
        const uchar value = bytes.at(pos + 1);
        pos += 2;
        if (count > 0)
            continue; // a run of one value
        if (value == 1)
            return {}; // end of bitmap
        if (value == 2)
            pos += 2; // a jump
        else if (value > 2) {
            // Literal pixels, padded to a whole 16-bit word.
            const qint64 literal = fourBits ? (value + 1) / 2 : value;
            pos += literal + (literal & 1);
        }
    }
    return verdict(Status::Truncated);
}

FileCheck checkBmp(const Bytes &bytes)
{
    if (!bytes.has(14, 4))
        return verdict(Status::Truncated);
    const qint64 pixelData = bytes.le32(10);
    const quint32 headerSize = bytes.le32(14);
    qint64 width = 0;
    qint64 height = 0;
    int bitsPerPixel = 0;
    quint32 compression = 0;
    if (headerSize == 12 && bytes.has(14, 12)) {
        width = bytes.le16(18);
        height = bytes.le16(20);
        bitsPerPixel = bytes.le16(24);
    } else if (headerSize >= 40 && bytes.has(14, 40)) {
        width = qint32(bytes.le32(18));
        height = qint32(bytes.le32(22));
        bitsPerPixel = bytes.le16(28);
        compression = bytes.le32(30);
    } else {
        return verdict(Status::Truncated);
    }
    // A side of 0 makes no picture, as for a PNG.
    if (width == 0 || height == 0)
        return verdict(Status::Truncated);
    FileCheck check;
    check.claimedSize
        = QSize(int(std::abs(width)), int(std::min<qint64>(std::abs(height), INT_MAX)));
    constexpr quint32 Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6;
    switch (compression) {
    case Rgb:
    case BitFields:
    case AlphaBitFields: {
        // Divided rather than multiplied: a hostile header would overflow the product.
        const qint64 rowBytes = (std::abs(width) * bitsPerPixel + 31) / 32 * 4;
        if (!bytes.has(pixelData, 0)
            || (rowBytes > 0 && std::abs(height) > (bytes.size() - pixelData) / rowBytes))
            check.status = Status::Truncated;
        break;
    }
    case Rle8:
    case Rle4:
        check.status = checkBmpRunLengths(bytes, pixelData, compression == Rle4).status;
        break;
    default:
        break; // Qt refuses these itself
    }
    return check;
}

// The data sub-blocks that follow pos, up to their empty terminator; the
// position after it, or -1 where the file ends first.
qint64 afterGifSubBlocks(const Bytes &bytes, qint64 pos)
{
    while (bytes.has(pos, 1)) {
        const uchar size = bytes.at(pos++);
        if (size == 0)
            return pos;
        pos += size;
    }
    return -1;
}

qint64 afterGifColorTable(qint64 pos, uchar flags)
{
    return flags & 0x80 ? pos + (qint64(3) << ((flags & 7) + 1)) : pos;
}

// The first image only: a cut animation whose first frame is whole is read as that frame.
FileCheck checkGif(const Bytes &bytes)
{
    if (!bytes.has(0, 13))
        return verdict(Status::Truncated);
    qint64 pos = afterGifColorTable(13, bytes.at(10));
    while (bytes.has(pos, 1)) {
        const uchar introducer = bytes.at(pos++);
        if (introducer == 0x21) { // an extension: label, then data blocks
            pos = afterGifSubBlocks(bytes, pos + 1);
        } else if (introducer == 0x2c) { // the image descriptor, 9 bytes
            if (!bytes.has(pos, 9))
                return verdict(Status::Truncated);
            pos = afterGifColorTable(pos + 9, bytes.at(pos + 8)) + 1; // + LZW code size
            return afterGifSubBlocks(bytes, pos) < 0 ? verdict(Status::Truncated) : FileCheck();
        } else {
            return verdict(Status::Truncated); // the trailer or garbage before any image
        }
        if (pos < 0)
            return verdict(Status::Truncated);
    }
    return verdict(Status::Truncated);
}

// Only the orientation: Qt's WebP reader reports a cut file itself.
FileCheck checkWebp(const Bytes &bytes)
{
    FileCheck check;
    qint64 pos = 12;
    while (bytes.has(pos, 8)) {
        const qint64 length = bytes.le32(pos + 4);
        if (bytes.view(pos, 4) == "EXIF" && bytes.has(pos + 8, length)) {
            check.exifOrientation = exifOrientation(bytes.view(pos + 8, length));
            break;
        }
        pos += 8 + length + (length & 1);
    }
    return check;
}

} // namespace

FileCheck checkPictureBytes(QByteArrayView bytes)
{
    const Bytes checked(bytes);
    if (bytes.startsWith("\xff\xd8\xff"))
        return checkJpeg(checked);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return checkPng(checked);
    if (bytes.startsWith("BM"))
        return checkBmp(checked);
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return checkGif(checked);
    if (bytes.startsWith("RIFF") && bytes.size() >= 12 && bytes.sliced(8, 4) == "WEBP")
        return checkWebp(checked);
    return {};
}

FileCheck checkPictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return {};
    const uchar *mapped = file.map(0, file.size());
    if (!mapped)
        return {};
    return checkPictureBytes(QByteArrayView(mapped, file.size()));
}

} // namespace prepare
