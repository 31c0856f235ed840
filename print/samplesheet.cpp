#include "samplesheet.h"

#include "modshared.h"
#include "pagesetup.h"
#include "printsurface.h"

void printColorSample(PrintSurface &surface, const modShared &model, int colorMax)
{
    beginDocument(surface, QStringLiteral("色見本 :  ") + model.strAnalysedFileName);

    // Each colour has a 40 x 30 cell: number left of the swatch, count below it.
    for (int color = 1; color <= colorMax; ++color) {
        const double left = 40 * ((color - 1) % 4);
        const double top = 30 * ((color - 1) / 4);

        surface.setCurrentX(left + 2);
        surface.setCurrentY(top + 15);
        surface.print({PrintItem(color), QStringLiteral(":")});

        surface.setCurrentX(left + 12);
        surface.setCurrentY(top + 28);
        surface.print({QString::number(model.lngColorCount(color)) + QStringLiteral("枚")});

        surface.line(left + 10, top + 10, 15, 15, model.lngColorRGB(color), LineOption::BoxFilled);
    }
    surface.endDoc();
}
