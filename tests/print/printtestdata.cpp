#include "printtestdata.h"

#include "colorvalue.h"

int16_t patternCell(int row, int column)
{
    return static_cast<int16_t>((7 * row + 3 * column) % 33);
}

int32_t patternCount(int color)
{
    return 245 + 1000 * (color - 1);
}

int32_t patternColor(int color)
{
    return color == 3 ? 0 : colorvalue::fromRgb(7 * color, 255 - 7 * color, 128);
}

void fillModel(modShared &model)
{
    model.strFileName = NewerPath;
    model.strAnalysedFileName = AnalysedPath;
    for (int color = 1; color <= modShared::MaxColors; ++color) {
        model.lngColorRGB(color) = patternColor(color);
        model.lngColorCount(color) = patternCount(color);
    }
    for (int row = 1; row <= PixelColorMatrix::Rows; ++row) {
        for (int column = 1; column <= PixelColorMatrix::Columns; ++column)
            model.intPixelColor(row, column) = patternCell(row, column);
    }
}
