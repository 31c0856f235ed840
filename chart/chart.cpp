#include "chart.h"

#include "colorvalue.h"

namespace chart {

quint32 rgbOfColorValue(int32_t value)
{
    const quint32 bits = quint32(value);
    return ((bits & 0xff) << 16) | (bits & 0xff00) | ((bits >> 16) & 0xff);
}

int32_t colorValueOfRgb(quint32 rgb)
{
    return colorvalue::fromRgb(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

Chart chartFromAnalysis(const modShared &model, int colorMax)
{
    Chart chart;
    chart.cells = model.intPixelColor;
    chart.picturePath = model.strAnalysedFileName;
    chart.colors.reserve(colorMax);
    for (int number = 1; number <= colorMax; ++number)
        chart.colors.append({rgbOfColorValue(model.lngColorRGB(number)),
            int(model.lngColorCount(number)), {}, {}, {}});
    return chart;
}

modShared analysisOfChart(const Chart &chart)
{
    modShared model;
    model.strAnalysedFileName = chart.picturePath;
    model.intPixelColor = chart.cells;
    for (int number = 1; number <= chart.colorCount(); ++number) {
        model.lngColorRGB(number) = colorValueOfRgb(chart.color(number).rgb);
        model.lngColorCount(number) = chart.color(number).pieces;
    }
    return model;
}

QString colorLabel(const ChartColor &color)
{
    if (color.name.isEmpty() || color.code.isEmpty())
        return color.name + color.code;
    return color.name + QStringLiteral("　") + color.code;
}

} // namespace chart
