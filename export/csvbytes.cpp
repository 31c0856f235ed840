#include "csvbytes.h"

#include "modshared.h"

#include <charconv>

namespace csv {

namespace {

QByteArray numberedLines(const OneBasedArray<int32_t, modShared::MaxColors> &values, int colorMax)
{
    QByteArray bytes;
    for (int n = 1; n <= colorMax; ++n) {
        bytes += QByteArray::number(n);
        bytes += ',';
        bytes += QByteArray::number(values(n));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

QByteArray pixelColorNumberBytes(const modShared &model)
{
    constexpr int Rows = PixelColorMatrix::Rows;
    constexpr int Columns = PixelColorMatrix::Columns;
    // Widest field "-32768" plus its comma; the last comma of a line becomes CR, then LF.
    constexpr int MaxField = 6;
    constexpr qsizetype MaxBytes = Rows * (Columns * (MaxField + 1) + 1);

    QByteArray bytes(MaxBytes, Qt::Uninitialized);
    char *out = bytes.data();
    const int16_t *cells = model.intPixelColor.data();
    for (int row = 0; row < Rows; ++row) {
        // The flat block holds the row index fastest, so one line strides a whole column.
        for (int column = 0; column < Columns; ++column) {
            out = std::to_chars(out, out + MaxField, cells[column * Rows + row]).ptr;
            *out++ = ',';
        }
        out[-1] = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

QByteArray colorDataBytes(const modShared &model, int colorMax)
{
    return numberedLines(model.lngColorRGB, colorMax);
}

QByteArray colorCountBytes(const modShared &model, int colorMax)
{
    return numberedLines(model.lngColorCount, colorMax);
}

} // namespace csv
