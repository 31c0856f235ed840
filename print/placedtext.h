// Text placed on a page by its left end or its right end, in current units.
#pragma once

#include "printsurface.h"

inline void printAt(PrintSurface &surface, double x, double y, const QString &text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print({text});
}

inline void printRightAligned(PrintSurface &surface, double right, double y, const QString &text)
{
    printAt(surface, right - surface.textWidth(text), y, text);
}
