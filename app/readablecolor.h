// Colours a number stays readable in on a cell of any colour, by WCAG 2:
// relative luminance and the contrast ratio of two colours, 1 to 21.
#pragma once

#include <QColor>

constexpr double ReadableContrast = 4.5;

double contrastRatio(const QColor &first, const QColor &second);

// text when it reaches ReadableContrast against background; else whichever of
// text and alternative contrasts more with it.
QColor readableTextColor(const QColor &background, const QColor &text, const QColor &alternative);
