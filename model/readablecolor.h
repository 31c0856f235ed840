// Colours a number stays readable in on a cell of any colour, by WCAG 2:
// relative luminance and the contrast ratio of two colours, 1 to 21. Colours
// are 0xRRGGBB, so that the windows, the pages and the files share one rule.
#pragma once

#include <QtGlobal>

namespace readablecolor {

constexpr double ReadableContrast = 4.5;

double contrastRatio(quint32 first, quint32 second);

// text when it reaches ReadableContrast against background; else whichever of
// text and alternative contrasts more with it.
quint32 textColor(quint32 background, quint32 text, quint32 alternative);

} // namespace readablecolor
