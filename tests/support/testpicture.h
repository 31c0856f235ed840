// Byte-exact bitmap files built in the tests: a 160 x 120 picture of colour
// values (R + 256 G + 65536 B), row 1 at the top, written bottom row first.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct BmpOptions
{
    int32_t width = 160;
    int32_t height = 120;
    int16_t bitCount = 24;
    int32_t compression = 0;
    int32_t sizeImage = 57600;
    // Pixel data offset written into the header; the pixels stand at
    // max(offBits, 54) and the bytes between the headers and them are zero.
    int32_t offBits = 54;
};

class TestPicture
{
public:
    explicit TestPicture(int32_t fill = 0xFFFFFF);

    void set(int row, int column, int32_t color);
    int32_t at(int row, int column) const;

    // The file bytes: headers, then the pixels as blue, green, red.
    QByteArray toBmp(const BmpOptions &options = {}) const;
    // Writes toBmp() to path; returns path.
    QString save(const QString &path, const BmpOptions &options = {}) const;

    // A picture of `count` distinct colours, colour k + 1 first met at the
    // k-th pixel of the bottom row.
    static TestPicture withColors(int count);

private:
    std::vector<int32_t> m_colors;
};

// Only the 54 header bytes, with the given fields.
QByteArray bmpHeaderBytes(const BmpOptions &options, int32_t fileSize);
