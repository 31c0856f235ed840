// Feeds arbitrary bytes to the bitmap header reader and, where the header
// passes, to the colour numbering, as a file on disk would reach them.
#include "bitmapfile.h"
#include "colornumbering.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static modShared model;
    const QByteArrayView bytes(data, qsizetype(size));
    const auto header = parseBmpHeader(bytes);
    if (!header)
        return 0;
    headerInfoText(*header);
    if (checkHeader(*header) != HeaderCheck::Accepted)
        return 0;
    const int64_t offset = pixelDataOffset(*header);
    if (offset + BitmapFile::PixelBytes > bytes.size())
        return 0;
    const int16_t colorMax = numberColors(bytes.sliced(offset, BitmapFile::PixelBytes), model);
    int64_t counted = 0;
    for (int n = 1; n <= colorMax; ++n)
        counted += model.lngColorCount(n);
    if (colorMax < 1 || colorMax > modShared::MaxColors || counted > PixelColorMatrix::Size)
        __builtin_trap();
    return 0;
}
