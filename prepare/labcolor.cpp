#include "labcolor.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace prepare {

LabColor::LabColor()
{
    // Absolute colorimetry without chromatic adaptation keeps sRGB's own D65
    // white; Lab is then taken against that white instead of the ICC's D50.
    m_context = cmsCreateContext(nullptr, nullptr);
    cmsSetAdaptationStateTHR(m_context, 0);
    cmsHPROFILE srgb = cmsCreate_sRGBProfileTHR(m_context);
    cmsHPROFILE xyz = cmsCreateXYZProfileTHR(m_context);
    const cmsUInt32Number flags = cmsFLAGS_NOCACHE;
    m_fromRgb8 = cmsCreateTransformTHR(
        m_context, srgb, TYPE_RGB_8, xyz, TYPE_XYZ_DBL, INTENT_ABSOLUTE_COLORIMETRIC, flags);
    m_fromRgbFloat = cmsCreateTransformTHR(m_context, srgb, TYPE_RGB_FLT, xyz, TYPE_XYZ_DBL,
        INTENT_ABSOLUTE_COLORIMETRIC, flags | cmsFLAGS_NOOPTIMIZE);
    m_toRgb = cmsCreateTransformTHR(m_context, xyz, TYPE_XYZ_DBL, srgb, TYPE_RGB_DBL,
        INTENT_ABSOLUTE_COLORIMETRIC, flags | cmsFLAGS_NOOPTIMIZE);
    cmsCloseProfile(srgb);
    cmsCloseProfile(xyz);
    const cmsCIExyY d65 {0.3127, 0.3290, 1.0};
    cmsxyY2XYZ(&m_white, &d65);
}

LabColor::~LabColor()
{
    cmsDeleteTransform(m_fromRgb8);
    cmsDeleteTransform(m_fromRgbFloat);
    cmsDeleteTransform(m_toRgb);
    cmsDeleteContext(m_context);
}

cmsCIELab LabColor::fromRgb(QRgb color) const
{
    const uchar rgb[3] = {uchar(qRed(color)), uchar(qGreen(color)), uchar(qBlue(color))};
    cmsCIELab lab;
    fromRgb(rgb, &lab, 1);
    return lab;
}

void LabColor::fromRgb(const uchar *rgb, cmsCIELab *lab, int count) const
{
    std::vector<cmsCIEXYZ> xyz(count);
    cmsDoTransform(m_fromRgb8, rgb, xyz.data(), cmsUInt32Number(count));
    for (int i = 0; i < count; ++i)
        cmsXYZ2Lab(&m_white, &lab[i], &xyz[i]);
}

void LabColor::fromRgb(const float *rgb, cmsCIELab *lab, int count) const
{
    // Little CMS takes floating point RGB as 0..1.
    std::vector<float> unit(rgb, rgb + 3 * count);
    for (float &value : unit)
        value /= 255.0f;
    std::vector<cmsCIEXYZ> xyz(count);
    cmsDoTransform(m_fromRgbFloat, unit.data(), xyz.data(), cmsUInt32Number(count));
    for (int i = 0; i < count; ++i)
        cmsXYZ2Lab(&m_white, &lab[i], &xyz[i]);
}

QRgb LabColor::toRgb(const cmsCIELab &lab) const
{
    cmsCIEXYZ xyz;
    cmsLab2XYZ(&m_white, &xyz, &lab);
    double rgb[3];
    cmsDoTransform(m_toRgb, &xyz, rgb, 1);
    const auto channel
        = [](double value) { return int(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)); };
    return qRgb(channel(rgb[0]), channel(rgb[1]), channel(rgb[2]));
}

} // namespace prepare
