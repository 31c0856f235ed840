// Brightness, contrast and saturation of the scaled picture, each -100..100
// and 0 for none, applied in CIELAB (D65) in this order: brightness N adds N/2
// to L*; contrast N sets L* to 50 + (L* - 50) * (1 + N/100); saturation N
// multiplies a* and b* by (1 + N/100). Colours out of gamut are clipped per
// channel on the way back to 8-bit sRGB.
#pragma once

#include <QImage>

namespace prepare {

class LabColor;

inline constexpr int MaxAdjustment = 100;

struct Adjustments
{
    int brightness = 0;
    int contrast = 0;
    int saturation = 0;

    bool isNeutral() const { return brightness == 0 && contrast == 0 && saturation == 0; }
    bool operator==(const Adjustments &) const = default;
};

// picture is Format_RGB888; so is the result. Neutral adjustments return it unchanged.
QImage adjusted(const QImage &picture, const Adjustments &adjustments, const LabColor &lab);

} // namespace prepare
