#include "colornames.h"

#include "colorvalue.h"
#include "modshared.h"

#include <QHash>

QStringList colorNames(const modShared &model, int colorMax, const QList<PaletteColor> &colors)
{
    QHash<int32_t, QString> byValue;
    for (const PaletteColor &color : colors)
        byValue.insert(colorvalue::fromRgb(int(color.rgb >> 16 & 0xFF), int(color.rgb >> 8 & 0xFF),
                           int(color.rgb & 0xFF)),
            color.name);
    QStringList names;
    for (int n = 1; n <= colorMax; ++n)
        names.append(byValue.value(model.lngColorRGB(n)));
    return names;
}
