#include "colornames.h"

#include "colorvalue.h"
#include "modshared.h"

#include <QHash>

QList<PaletteColor> paletteColorsOfNumbers(
    const modShared &model, int colorMax, const QList<PaletteColor> &colors)
{
    QHash<int32_t, PaletteColor> byValue;
    for (const PaletteColor &color : colors)
        byValue.insert(colorvalue::fromRgb(int(color.rgb >> 16 & 0xFF), int(color.rgb >> 8 & 0xFF),
                           int(color.rgb & 0xFF)),
            color);
    QList<PaletteColor> matched;
    for (int n = 1; n <= colorMax; ++n)
        matched.append(byValue.value(model.lngColorRGB(n)));
    return matched;
}

QStringList colorNames(const modShared &model, int colorMax, const QList<PaletteColor> &colors)
{
    QStringList names;
    for (const PaletteColor &color : paletteColorsOfNumbers(model, colorMax, colors))
        names.append(color.name);
    return names;
}
