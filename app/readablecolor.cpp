#include "readablecolor.h"

#include <algorithm>
#include <cmath>

namespace {

double linearChannel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &color)
{
    return 0.2126 * linearChannel(color.redF()) + 0.7152 * linearChannel(color.greenF())
        + 0.0722 * linearChannel(color.blueF());
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextColor(const QColor &background, const QColor &text, const QColor &alternative)
{
    const double textContrast = contrastRatio(text, background);
    if (textContrast >= ReadableContrast)
        return text;
    return contrastRatio(alternative, background) > textContrast ? alternative : text;
}
