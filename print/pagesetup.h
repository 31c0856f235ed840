// The A4 page set-up that every print shares.
//
// setUpPaper chooses A4 portrait, the colour mode and the document (the PDF at
// documentPath where it goes to a file rather than a printer).
// beginDocument then lays the drawing units over the printable area: about one
// millimetre each (the printable width spans its width in millimetres less
// one), origin 20 units right of and below the area's top-left corner; and
// prints the heading at that origin in 9-point "ＭＳ Ｐゴシック".
// Failures of the surface throw PrintError.
#pragma once

#include <QString>

class PrintSurface;

void setUpPaper(PrintSurface &surface, int colorMode, const QString &documentPath);
void beginDocument(PrintSurface &surface, const QString &heading);
