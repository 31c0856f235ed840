// The two headers at the start of a Windows bitmap: the 14-byte file header and
// the 40-byte info header, little-endian and without gaps (54 bytes in all).
// Only bit count, width and height decide whether Tessamap takes a picture.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

struct BmpHeader
{
    static constexpr int Size = 54;
    static constexpr int AcceptedBitCount = 24;
    static constexpr int AcceptedWidth = 160;
    static constexpr int AcceptedHeight = 120;

    uint16_t bfType = 0;
    int32_t bfSize = 0;
    uint16_t bfReserved1 = 0;
    uint16_t bfReserved2 = 0;
    int32_t bfOffBits = 0;

    int32_t biSize = 0;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    int16_t biPlanes = 0;
    int16_t biBitCount = 0;
    int32_t biCompression = 0;
    int32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    int32_t biClrUsed = 0;
    int32_t biClrImportant = 0;
};

enum class HeaderCheck { Accepted, NotTwentyFourBit, WrongSize };

// Nothing when fewer than 54 bytes are given.
std::optional<BmpHeader> parseBmpHeader(QByteArrayView bytes);

// Bit count first, then the size; plain equality on the signed values, so a
// top-down picture (height -120) is refused.
HeaderCheck checkHeader(const BmpHeader &header);

// Where the pixels start: bfOffBits, unless a careless writer left it below 54.
int64_t pixelDataOffset(const BmpHeader &header);

// The five lines "FileSize = 57654" .. "Height = 120", each ending in CR LF,
// every number with its sign position.
QString headerInfoText(const BmpHeader &header);
