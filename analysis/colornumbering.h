// The colour numbering: every pixel of a 160 x 120 picture gets the number of
// its colour, numbers given in order of first appearance while the pixels are
// read in file order (bottom row first, each row left to right), at most 32.
// Pixels of later colours keep 0 and are counted nowhere.
#pragma once

#include "bitmapfile.h"
#include "modshared.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>

// Clears the tables of the model, then fills intPixelColor, lngColorRGB and
// lngColorCount from 57,600 pixel bytes (blue, green, red). Returns the number
// of colour numbers given out, 0..32 (0 for fewer than 57,600 bytes).
int16_t numberColors(QByteArrayView pixels, modShared &model);

struct AnalysisResult
{
    BitmapStatus status = BitmapStatus::CannotOpen;
    int16_t colorMax = 0; // 0 unless status is Ok
};

// Reads the bitmap at path and numbers its colours. On success the model holds
// the analysis and names the analysed file; on any failure its tables are all 0.
AnalysisResult analyseBitmapFile(const QString &path, modShared &model);
