// What a palette option names: a palette file, or a built-in piece set by its
// id. A file of that name wins, so that a palette someone keeps as "perler"
// in the working folder is read as before.
#pragma once

#include "palettefile.h"

// The file's colours, or the set's (set then holds its id); NotFound when
// neither exists, else the file's own status.
PaletteFile readPalette(const QString &fileOrSet);
