// The analysis the colour window makes, for the command line: the same header
// test and the same refusals, reported on standard error.
#pragma once

#include "bitmapfile.h"

#include <QString>

struct modShared;

// Analyses the picture into model. Returns ExitDone with colorMax set, or
// reports why not and returns ExitRefused or ExitBroken.
int analysePicture(const QString &path, modShared &model, int &colorMax);

// ExitDone for Ok; else reports why the picture at path was not analysed and
// returns ExitRefused or ExitBroken.
int reportAnalysisFailure(BitmapStatus status, const QString &path);
