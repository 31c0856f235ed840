#include "colornumbering.h"

#include "colorvalue.h"

int16_t numberColors(QByteArrayView pixels, modShared &model)
{
    model.clearAnalysis();
    if (pixels.size() < BitmapFile::PixelBytes)
        return 0;
    int32_t *palette = model.lngColorRGB.data();
    int32_t *counts = model.lngColorCount.data();
    int16_t *cells = model.intPixelColor.data();
    const auto *byte = reinterpret_cast<const unsigned char *>(pixels.data());

    int16_t nextNumber = 1;
    // Neighbouring pixels mostly share a colour: remembering the last match
    // skips the search for them, and counting the run in a register avoids a
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
                lastNumber = 0;
                for (int16_t n = 1; n < nextNumber; ++n) {
                    if (palette[n - 1] == value) {
                        lastNumber = n;
                        break;
                    }
                }
                if (lastNumber == 0 && nextNumber <= modShared::MaxColors) {
                    palette[nextNumber - 1] = value;
                    lastNumber = nextNumber++;
                }
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
