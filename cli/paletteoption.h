// The palette file or piece set that names the colours on list and export:
// read, or its fault reported on standard error.
#pragma once

#include "palettefile.h"

#include <optional>

// The file's or set's colours; nullopt after reporting why it cannot be used.
std::optional<QList<PaletteColor>> readPaletteOption(const QString &path);
