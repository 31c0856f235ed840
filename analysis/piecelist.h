// Texts and tests the colour and matrix windows build from an analysis.
#pragma once

#include "modshared.h"

#include <QString>
#include <QStringList>

// One line per colour number 1..colorMax: "色3:　250 枚" and CR LF; with a
// name for the colour (names holds one a number, the first for colour 1),
// "色3:　250 枚　肌2".
QString pieceCountList(const modShared &model, int colorMax, const QStringList &names = {});

// Whether block (blockX, blockY) - columns 10X+1..10X+10, rows 10Y+1..10Y+10 -
// holds a pixel without a colour number.
bool blockHasUnnumberedCell(const modShared &model, int blockX, int blockY);
