// The Japanese texts of the check, shared by the command line and the windows.
#pragma once

#include "chart.h"
#include "photocheck.h"

#include <QString>

namespace check {

// "色5（赤）", or with the RGB value where the colour has no name: "色5（230,180,150）".
QString colorText(const chart::Chart &chart, int number);

// "C5 の 3 行目 7 列目（列 27、行 23）: 色5（赤）のところが 色2（白）です"
QString wrongCellText(const chart::Chart &chart, const WrongCell &cell);

// Why the check could not be made, with the photo's path; for a board not
// found or not fitting, how to give the corners (cornersHint: "--corners ..."
// on the command line, the window's own words there).
QString checkFailureText(const CheckResult &result, const LoadedPhoto &photo,
    const QString &photoPath, const QString &cornersHint);

} // namespace check
