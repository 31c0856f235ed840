// A model with a known analysis, for the print tests.
#pragma once

#include "modshared.h"

#include <QString>
#include <cstdint>

// Neither path has digits, so the numbers in a printed page are only its own.
inline const QString AnalysedPath = QStringLiteral("/home/利用者/作品 集/絵柄.bmp");
inline const QString NewerPath = QStringLiteral("/home/利用者/別の絵.bmp");

// Colour number of the cell at (row, column): every value 0..32 occurs,
// neighbouring cells differ.
int16_t patternCell(int row, int column);
// Count of colour n: 245 for colour 1, distinct for every colour.
int32_t patternCount(int color);
// Colour value of colour n; colour 3 is black (0).
int32_t patternColor(int color);

// All 32 colours and the whole matrix filled from the patterns.
void fillModel(modShared &model);
