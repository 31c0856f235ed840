#include "pagesetup.h"

#include "fontface.h"
#include "printsurface.h"

void setUpPaper(PrintSurface &surface, int colorMode, const QString &documentPath)
{
    surface.setPaperSize(PrintSurface::PaperA4);
    surface.setOrientation(PrintSurface::OrientationPortrait);
    surface.setColorMode(colorMode);
    surface.setResolution(PrintSurface::DefaultResolution);
    surface.setForeColor(0);
    surface.setDocumentPath(documentPath);
}

void beginDocument(PrintSurface &surface, const QString &heading)
{
    surface.scale();
    surface.setScaleMode(PrintSurface::ScaleModeMillimetres);
    const double width = surface.scaleWidth();
    const double height = surface.scaleHeight();
    surface.scale(-20, -20, width - 21, height - 21);

    surface.setCurrentX(0);
    surface.setCurrentY(0);
    surface.setFontName(TessamapFontFamily);
    surface.setFontSize(9);
    surface.print({heading});
}
