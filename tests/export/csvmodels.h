// Analyses the CSV tests write: a white picture and one of 32 colours.
#pragma once

#include "modshared.h"

#include <memory>

inline std::unique_ptr<modShared> whitePicture()
{
    auto model = std::make_unique<modShared>();
    for (int row = 1; row <= 120; ++row)
        for (int column = 1; column <= 160; ++column)
            model->intPixelColor(row, column) = 1;
    model->lngColorRGB(1) = 16777215;
    model->lngColorCount(1) = 19200;
    return model;
}

inline std::unique_ptr<modShared> thirtyTwoColours()
{
    auto model = std::make_unique<modShared>();
    for (int row = 1; row <= 120; ++row)
        for (int column = 1; column <= 160; ++column)
            model->intPixelColor(row, column) = (column - 1) % 32 + 1;
    for (int n = 1; n <= 32; ++n) {
        model->lngColorRGB(n) = n * 500000;
        model->lngColorCount(n) = 600;
    }
    return model;
}
