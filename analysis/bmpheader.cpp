#include "bmpheader.h"

#include "numbertext.h"

#include <QtEndian>
#include <algorithm>

namespace {

template<typename T> T field(QByteArrayView bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.data() + offset);
}

} // namespace

std::optional<BmpHeader> parseBmpHeader(QByteArrayView bytes)
{
    if (bytes.size() < BmpHeader::Size)
        return std::nullopt;
    BmpHeader header;
    header.bfType = field<uint16_t>(bytes, 0);
    header.bfSize = field<int32_t>(bytes, 2);
    header.bfReserved1 = field<uint16_t>(bytes, 6);
    header.bfReserved2 = field<uint16_t>(bytes, 8);
    header.bfOffBits = field<int32_t>(bytes, 10);
    header.biSize = field<int32_t>(bytes, 14);
    header.biWidth = field<int32_t>(bytes, 18);
    header.biHeight = field<int32_t>(bytes, 22);
    header.biPlanes = field<int16_t>(bytes, 26);
    header.biBitCount = field<int16_t>(bytes, 28);
    header.biCompression = field<int32_t>(bytes, 30);
    header.biSizeImage = field<int32_t>(bytes, 34);
    header.biXPelsPerMeter = field<int32_t>(bytes, 38);
    header.biYPelsPerMeter = field<int32_t>(bytes, 42);
    header.biClrUsed = field<int32_t>(bytes, 46);
    header.biClrImportant = field<int32_t>(bytes, 50);
    return header;
}

HeaderCheck checkHeader(const BmpHeader &header)
{
    if (header.biBitCount != BmpHeader::AcceptedBitCount)
        return HeaderCheck::NotTwentyFourBit;
    if (header.biWidth != BmpHeader::AcceptedWidth || header.biHeight != BmpHeader::AcceptedHeight)
        return HeaderCheck::WrongSize;
    return HeaderCheck::Accepted;
}

int64_t pixelDataOffset(const BmpHeader &header)
{
    return std::max<int64_t>(header.bfOffBits, BmpHeader::Size);
}

QString headerInfoText(const BmpHeader &header)
{
    const auto line = [](const char *label, long long value) {
        return QLatin1String(label) + numbertext::withSignPosition(value) + QLatin1String("\r\n");
    };
    return line("FileSize =", header.bfSize) + line("ImgSize =", header.biSizeImage)
        + line("BitCount =", header.biBitCount) + line("Width =", header.biWidth)
        + line("Height =", header.biHeight);
}
