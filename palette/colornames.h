// The names a palette file gives a picture's colour numbers, for the lists
// that tell the user which piece is which number.
#pragma once

#include "palettefile.h"

#include <QStringList>

struct modShared;

// One name for each colour number 1..colorMax (the first for colour 1): the
// name of the file colour of exactly the same RGB value, else empty.
QStringList colorNames(const modShared &model, int colorMax, const QList<PaletteColor> &colors);
