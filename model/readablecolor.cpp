#include "readablecolor.h"

#include <algorithm>
#include <cmath>

namespace {

double linearChannel(quint32 channel)
{
    const double value = double(channel & 0xff) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(quint32 rgb)
{
    return 0.2126 * linearChannel(rgb >> 16) + 0.7152 * linearChannel(rgb >> 8)
        + 0.0722 * linearChannel(rgb);
}

} // namespace

double contrastRatio(quint32 first, quint32 second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

quint32 readableTextColor(quint32 background, quint32 text, quint32 alternative)
{
    const double textContrast = contrastRatio(text, background);
    if (textContrast >= ReadableContrast)
        return text;
    return contrastRatio(alternative, background) > textContrast ? alternative : text;
}
