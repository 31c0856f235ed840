// What a palette option names: a palette file, or a built-in piece set by its
// id, less the set's colours the user has not got (by their codes). A file of
// that name wins, so that a palette someone keeps as "perler" in the working
// folder is read as before.
#pragma once

#include "palettefile.h"

#include <QStringList>

// The file's colours, or the set's but those of the codes leftOut (set then
// holds its id). NotFound when neither exists; NotASet for codes to leave out
// of a file, UnknownCode for a code the set has not, NoneLeft when no colour is
// left; else the file's own status.
PaletteFile readPalette(const QString &fileOrSet, const QStringList &leftOut = {});

struct PieceSet;
// The set's colours but those of the codes leftOut: Ok, UnknownCode or NoneLeft.
PaletteFile pieceSetPalette(const PieceSet &set, const QStringList &leftOut);
