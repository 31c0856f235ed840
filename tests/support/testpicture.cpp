#include "testpicture.h"

#include <QFile>
#include <QtEndian>
#include <stdexcept>

namespace {

constexpr int Width = 160;
constexpr int Height = 120;

template<typename T> void put(QByteArray &bytes, int offset, T value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

TestPicture::TestPicture(int32_t fill)
    : m_colors(Width * Height, fill)
{ }

void TestPicture::set(int row, int column, int32_t color)
{
    m_colors.at((row - 1) * Width + (column - 1)) = color;
}

int32_t TestPicture::at(int row, int column) const
{
    return m_colors.at((row - 1) * Width + (column - 1));
}

QByteArray bmpHeaderBytes(const BmpOptions &options, int32_t fileSize)
{
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put<int32_t>(bytes, 2, fileSize);
    put<int32_t>(bytes, 10, options.offBits);
    put<int32_t>(bytes, 14, 40);
    put<int32_t>(bytes, 18, options.width);
    put<int32_t>(bytes, 22, options.height);
    put<int16_t>(bytes, 26, 1);
    put<int16_t>(bytes, 28, options.bitCount);
    put<int32_t>(bytes, 30, options.compression);
    put<int32_t>(bytes, 34, options.sizeImage);
    put<int32_t>(bytes, 38, 3780);
    put<int32_t>(bytes, 42, 3780);
    return bytes;
}

QByteArray TestPicture::toBmp(const BmpOptions &options) const
{
    const int pixelOffset = std::max(options.offBits, 54);
    QByteArray bytes = bmpHeaderBytes(options, pixelOffset + Width * Height * 3);
    bytes.append(QByteArray(pixelOffset - 54, '\0'));
    for (int row = Height; row >= 1; --row) {
        for (int column = 1; column <= Width; ++column) {
            const int32_t color = at(row, column);
            bytes.append(char((color >> 16) & 0xFF));
            bytes.append(char((color >> 8) & 0xFF));
            bytes.append(char(color & 0xFF));
        }
    }
    return bytes;
}

QString TestPicture::save(const QString &path, const BmpOptions &options) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBmp(options)) < 0)
        throw std::runtime_error("cannot write test picture");
    return path;
}

TestPicture TestPicture::withColors(int count)
{
    TestPicture picture(0);
    for (int k = 0; k < Width * Height; ++k) {
        const int colorIndex = k < count ? k : 0;
        const int row = Height - k / Width;
        const int column = k % Width + 1;
        picture.set(row, column, colorIndex * 0x030507);
    }
    return picture;
}
