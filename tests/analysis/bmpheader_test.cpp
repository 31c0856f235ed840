#include "bmpheader.h"
#include "testpicture.h"

#include <gtest/gtest.h>

TEST(BmpHeader, ReadsEveryFieldLittleEndian)
{
    BmpOptions options;
    options.offBits = 138;
    options.compression = 3;
    QByteArray bytes = bmpHeaderBytes(options, 57738);
    bytes[46] = 0x02; // biClrUsed = 258
    bytes[47] = 0x01;

    const auto header = parseBmpHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->bfType, 0x4D42);
    EXPECT_EQ(header->bfSize, 57738);
    EXPECT_EQ(header->bfOffBits, 138);
    EXPECT_EQ(header->biSize, 40);
    EXPECT_EQ(header->biWidth, 160);
    EXPECT_EQ(header->biHeight, 120);
    EXPECT_EQ(header->biPlanes, 1);
    EXPECT_EQ(header->biBitCount, 24);
    EXPECT_EQ(header->biCompression, 3);
    EXPECT_EQ(header->biSizeImage, 57600);
    EXPECT_EQ(header->biXPelsPerMeter, 3780);
    EXPECT_EQ(header->biClrUsed, 258);
}

TEST(BmpHeader, RefusesEveryPrefixShorterThanBothHeaders)
{
    const QByteArray bytes = bmpHeaderBytes({}, 57654);
    for (int length = 0; length < BmpHeader::Size; ++length)
        EXPECT_FALSE(parseBmpHeader(QByteArrayView(bytes).first(length))) << length;
    EXPECT_TRUE(parseBmpHeader(bytes));
}

TEST(BmpHeader, TestsOnlyBitCountThenWidthAndHeight)
{
    struct Case
    {
        const char *name;
        BmpOptions options;
        HeaderCheck expected;
    };
    const Case cases[] = {
        {"plain", {}, HeaderCheck::Accepted},
        {"8-bit", {.bitCount = 8}, HeaderCheck::NotTwentyFourBit},
        {"8-bit and wrong size", {.width = 100, .bitCount = 8}, HeaderCheck::NotTwentyFourBit},
        {"top-down", {.height = -120}, HeaderCheck::WrongSize},
        {"swapped", {.width = 120, .height = 160}, HeaderCheck::WrongSize},
        {"compressed", {.compression = 1}, HeaderCheck::Accepted},
        {"image size 0", {.sizeImage = 0}, HeaderCheck::Accepted},
        {"pixels elsewhere", {.offBits = 0}, HeaderCheck::Accepted},
    };
    for (const Case &c : cases) {
        const auto header = parseBmpHeader(bmpHeaderBytes(c.options, 0));
        ASSERT_TRUE(header);
        EXPECT_EQ(checkHeader(*header), c.expected) << c.name;
    }
}

TEST(BmpHeader, ShowsFiveLinesWithTheSignPosition)
{
    const auto plain = parseBmpHeader(bmpHeaderBytes({}, 57654));
    EXPECT_EQ(headerInfoText(*plain),
        QStringLiteral("FileSize = 57654\r\nImgSize = 57600\r\nBitCount = 24\r\n"
                       "Width = 160\r\nHeight = 120\r\n"));
    const auto topDown = parseBmpHeader(bmpHeaderBytes({.height = -120, .sizeImage = 0}, 0));
    EXPECT_EQ(headerInfoText(*topDown),
        QStringLiteral("FileSize = 0\r\nImgSize = 0\r\nBitCount = 24\r\n"
                       "Width = 160\r\nHeight =-120\r\n"));
}

TEST(BmpHeader, TakesPixelsFromTheOffsetButNeverInsideTheHeaders)
{
    BmpHeader header;
    header.bfOffBits = 138;
    EXPECT_EQ(pixelDataOffset(header), 138);
    header.bfOffBits = 0;
    EXPECT_EQ(pixelDataOffset(header), 54);
    header.bfOffBits = -5;
    EXPECT_EQ(pixelDataOffset(header), 54);
}
