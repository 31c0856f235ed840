// The colour sample sheet: one page with every colour number of the analysed
// picture beside a swatch of its colour, and the pieces it needs below.
#pragma once

#include <QString>

class PrintSurface;
struct modShared;

// Where the sheet goes when the system has no printer.
inline constexpr char ColorSampleDocumentName[] = "ColorSample.pdf";

// Prints colours 1..colorMax, four to a row, and ends the document; the paper
// must be set up already. A colour number above 32 throws IndexError.
void printColorSample(PrintSurface &surface, const modShared &model, int colorMax);
