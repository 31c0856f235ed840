#include "colornumbering.h"

#include "colorvalue.h"

#include <array>

namespace {

// Open addressing over colour numbers: a slot holds a number (0 = empty) and
// the palette holds that number's colour, so the table needs no keys of its
// own and clearing it costs a few hundred bytes per picture. With 512 home
// slots for at most 32 numbers, a colour without a number, the usual case when
// nearly every pixel is new, almost always stops at its first slot;
// remembering such colours would cost more than it saves.
constexpr int HashBits = 9;
// Probes run on past the last home slot instead of wrapping: with only 32
// numbers, one of the 33 slots from any home slot on is always empty.
constexpr int Slots = (1 << HashBits) + modShared::MaxColors;

// Fibonacci hashing spreads neighbouring colour values across the table.
unsigned slotOf(int32_t value)
{
    return (uint32_t(value) * 0x9E3779B1u) >> (32 - HashBits);
}

} // namespace

int16_t numberColors(QByteArrayView pixels, modShared &model)
{
    model.clearAnalysis();
    if (pixels.size() < BitmapFile::PixelBytes)
        return 0;
    int32_t *palette = model.lngColorRGB.data();
    int32_t *counts = model.lngColorCount.data();
    int16_t *cells = model.intPixelColor.data();
    const auto *byte = reinterpret_cast<const unsigned char *>(pixels.data());

    std::array<uint8_t, Slots> numbers {};
    uint8_t nextNumber = 1;
    // Neighbouring pixels mostly share a colour: remembering the last match
    // skips the lookup for them, and counting the run in a register avoids a
    // memory round trip per pixel.
    int32_t lastValue = -1;
    int16_t lastNumber = 0;
    int32_t run = 0;
    const auto countRun = [&] {
        if (lastNumber != 0)
            counts[lastNumber - 1] += run;
    };
    for (int row = PixelColorMatrix::Rows; row >= 1; --row) {
        for (int column = 1; column <= PixelColorMatrix::Columns; ++column, byte += 3) {
            const int32_t value = colorvalue::fromRgb(byte[2], byte[1], byte[0]);
            if (value != lastValue) {
                countRun();
                run = 0;
                unsigned slot = slotOf(value);
                while (numbers[slot] != 0 && palette[numbers[slot] - 1] != value)
                    ++slot;
                if (numbers[slot] == 0 && nextNumber <= modShared::MaxColors) {
                    palette[nextNumber - 1] = value;
                    numbers[slot] = nextNumber++;
                }
                lastNumber = numbers[slot];
                lastValue = value;
            }
            ++run;
            cells[(column - 1) * PixelColorMatrix::Rows + (row - 1)] = lastNumber;
        }
    }
    countRun();
    return static_cast<int16_t>(nextNumber - 1);
}

AnalysisResult analyseBitmapFile(const QString &path, modShared &model)
{
    const BitmapFile bitmap = readBitmap(path);
    if (bitmap.status != BitmapStatus::Ok) {
        model.clearAnalysis();
        return {bitmap.status, 0};
    }
    const int16_t colorMax = numberColors(bitmap.pixels, model);
    model.strAnalysedFileName = path;
    return {BitmapStatus::Ok, colorMax};
}
