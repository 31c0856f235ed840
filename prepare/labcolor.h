// CIELAB under the D65 white point from Little CMS, and CIEDE2000 distances.
// sRGB values are 0..255; L runs 0..100. The conversion is not adapted to
// D50 as ICC profiles are, so sRGB (255, 0, 0) is L 53.24, a 80.09, b 67.20.
#pragma once

#include "ciede2000.h"

#include <QRgb>
#include <lcms2.h>

namespace prepare {

class LabColor
{
public:
    LabColor();
    ~LabColor();
    LabColor(const LabColor &) = delete;
    LabColor &operator=(const LabColor &) = delete;

    cmsCIELab fromRgb(QRgb color) const;
    // count pixels of red, green, blue bytes.
    void fromRgb(const uchar *rgb, cmsCIELab *lab, int count) const;
    // count pixels of red, green, blue floats on the 0..255 scale, also out of
    // that range as error diffusion makes them.
    void fromRgb(const float *rgb, cmsCIELab *lab, int count) const;
    // The nearest 8-bit sRGB colour; values out of gamut are clipped.
    QRgb toRgb(const cmsCIELab &lab) const;

    static double distance(const cmsCIELab &a, const cmsCIELab &b) { return ciede2000(a, b); }
    // The square of the plain Lab distance, a cheap first sort before distance().
    static double squaredPlainDistance(const cmsCIELab &a, const cmsCIELab &b)
    {
        const double l = a.L - b.L;
        const double x = a.a - b.a;
        const double y = a.b - b.b;
        return l * l + x * x + y * y;
    }

private:
    cmsContext m_context = nullptr;
    cmsHTRANSFORM m_fromRgb8 = nullptr;
    cmsHTRANSFORM m_fromRgbFloat = nullptr;
    cmsHTRANSFORM m_toRgb = nullptr;
    cmsCIEXYZ m_white {};
};

} // namespace prepare
