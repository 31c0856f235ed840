#include "readablecolor.h"

#include <algorithm>
#include <cmath>

namespace readablecolor {

namespace {

double linearChannel(quint32 rgb, int shift)
{
    const double value = double((rgb >> shift) & 0xFF) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(quint32 rgb)
{
    return 0.2126 * linearChannel(rgb, 16) + 0.7152 * linearChannel(rgb, 8)
        + 0.0722 * linearChannel(rgb, 0);
}

} // namespace

double contrastRatio(quint32 first, quint32 second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

quint32 textColor(quint32 background, quint32 text, quint32 alternative)
{
    const double textContrast = contrastRatio(text, background);
    if (textContrast >= ReadableContrast)
        return text;
    return contrastRatio(alternative, background) > textContrast ? alternative : text;
}

} // namespace readablecolor
