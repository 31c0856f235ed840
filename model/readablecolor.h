// Colours a number stays readable in on a cell of any colour, by WCAG 2:
// relative luminance and the contrast ratio of two colours, 1 to 21. Colours
// are 0xRRGGBB, so that the windows (through QColor::rgb()) and the files
// without Qt Gui apply the same rule.
#pragma once

#include <QtGlobal>

constexpr double ReadableContrast = 4.5;

double contrastRatio(quint32 first, quint32 second);

// text when it reaches ReadableContrast against background; else whichever of
// text and alternative contrasts more with it.
quint32 readableTextColor(quint32 background, quint32 text, quint32 alternative);
