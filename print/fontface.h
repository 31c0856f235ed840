// The face the windows and the printed pages ask for. Linux has no such face:
// registerFontSubstitutes() maps it onto the metric-compatible proportional
// Gothic, then a common CJK face; call it once before the first window or page.
#pragma once

#include <QString>

extern const QString TessamapFontFamily;

void registerFontSubstitutes();
