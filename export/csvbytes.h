// The bytes of the three CSV files of an analysis: ASCII decimal integers, one
// comma between fields, CR LF after every line including the last, no heading.
//
// pixelColorNumberBytes: 120 lines of 160 colour numbers, line r being row r from
// the top. colorDataBytes / colorCountBytes: lines "n,value" for n = 1..colorMax
// (empty for 0); colorMax above 32 throws the model's IndexError.
#pragma once

#include <QByteArray>

struct modShared;

namespace csv {

QByteArray pixelColorNumberBytes(const modShared &model);
QByteArray colorDataBytes(const modShared &model, int colorMax);
QByteArray colorCountBytes(const modShared &model, int colorMax);

} // namespace csv
