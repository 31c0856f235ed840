// The names a palette gives a picture's colour numbers, for the lists that
// tell the user which piece is which number.
#pragma once

#include "palettefile.h"

#include <QStringList>

struct modShared;

// One palette colour for each colour number 1..colorMax (the first for colour
// 1): the one of exactly the same RGB value, with its name and code, else an
// empty one.
QList<PaletteColor> paletteColorsOfNumbers(
    const modShared &model, int colorMax, const QList<PaletteColor> &colors);

// Their names, empty where none.
QStringList colorNames(const modShared &model, int colorMax, const QList<PaletteColor> &colors);
