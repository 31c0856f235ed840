#include "archivecheck.h"

#include <QXmlStreamReader>
#include <optional>
#include <zlib.h>

namespace workbook {

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 EntrySignature = 0x02014b50;
constexpr quint32 LocalSignature = 0x04034b50;
constexpr int EndSize = 22;
constexpr int EntrySize = 46;
constexpr int LocalSize = 30;
constexpr int Stored = 0;
constexpr int Deflated = 8;

quint32 field(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | quint8(bytes[at + k]);
    return value;
}

std::optional<QByteArray> inflated(const char *data, qsizetype size, qsizetype expected)
{
    QByteArray out(expected, Qt::Uninitialized);
    z_stream stream {};
    // Raw deflate, without zlib's header: as ZIP stores it.
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(expected);
    const int status = inflate(&stream, Z_FINISH);
    const bool whole = status == Z_STREAM_END && stream.total_out == uLong(expected);
    inflateEnd(&stream);
    if (!whole)
        return std::nullopt;
    return out;
}

bool isWellFormed(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

// The entry at `at` of the central directory, its part checked; the offset of
// the next entry, or nothing.
std::optional<qsizetype> checkEntry(const QByteArray &bytes, qsizetype at, qsizetype directory)
{
    if (at + EntrySize > bytes.size() || field(bytes, at, 4) != EntrySignature)
        return std::nullopt;
    const int method = int(field(bytes, at + 10, 2));
    const qsizetype packed = field(bytes, at + 20, 4);
    const qsizetype size = field(bytes, at + 24, 4);
    const qsizetype nameLength = field(bytes, at + 28, 2);
    const qsizetype next
        = at + EntrySize + nameLength + field(bytes, at + 30, 2) + field(bytes, at + 32, 2);
    const qsizetype local = field(bytes, at + 42, 4);
    if (next > bytes.size() || local + LocalSize > directory
        || field(bytes, local, 4) != LocalSignature)
        return std::nullopt;
    const qsizetype data
        = local + LocalSize + field(bytes, local + 26, 2) + field(bytes, local + 28, 2);
    if (data + packed > directory)
        return std::nullopt;
    const QByteArray name = bytes.mid(at + EntrySize, nameLength);
    if (!name.endsWith(".xml") && !name.endsWith(".rels"))
        return next;
    std::optional<QByteArray> xml;
    if (method == Stored && packed == size)
        xml = bytes.mid(data, size);
    else if (method == Deflated)
        xml = inflated(bytes.constData() + data, packed, size);
    if (!xml || !isWellFormed(*xml))
        return std::nullopt;
    return next;
}

} // namespace

bool isCompleteWorkbook(const QByteArray &bytes)
{
    const qsizetype end = bytes.size() - EndSize;
    if (end < 0 || field(bytes, end, 4) != EndSignature)
        return false;
    const quint32 entries = field(bytes, end + 10, 2);
    const qsizetype directory = field(bytes, end + 16, 4);
    if (entries == 0 || directory + qsizetype(field(bytes, end + 12, 4)) != end)
        return false;
    qsizetype at = directory;
    for (quint32 k = 0; k < entries; ++k) {
        const std::optional<qsizetype> next = checkEntry(bytes, at, directory);
        if (!next)
            return false;
        at = *next;
    }
    return at == end;
}

} // namespace workbook
