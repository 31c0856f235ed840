#include "labcolor.h"

#include <algorithm>
#include <cmath>

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

namespace {

// Pixels converted at a time: buffers on the stack, since error diffusion
// converts one pixel at a time, 19,200 times a picture.
constexpr int Chunk = 256;

} // namespace

void LabColor::fromRgb(const uchar *rgb, cmsCIELab *lab, int count) const
{
    cmsCIEXYZ xyz[Chunk];
    for (int start = 0; start < count; start += Chunk) {
        const int n = std::min(Chunk, count - start);
        cmsDoTransform(m_fromRgb8, rgb + 3 * start, xyz, cmsUInt32Number(n));
        for (int i = 0; i < n; ++i)
            cmsXYZ2Lab(&m_white, &lab[start + i], &xyz[i]);
    }
}

void LabColor::fromRgb(const float *rgb, cmsCIELab *lab, int count) const
{
    float unit[3 * Chunk];
    cmsCIEXYZ xyz[Chunk];
    for (int start = 0; start < count; start += Chunk) {
        const int n = std::min(Chunk, count - start);
        // Little CMS takes floating point RGB as 0..1.
        for (int i = 0; i < 3 * n; ++i)
            unit[i] = rgb[3 * start + i] / 255.0f;
        cmsDoTransform(m_fromRgbFloat, unit, xyz, cmsUInt32Number(n));
        for (int i = 0; i < n; ++i)
            cmsXYZ2Lab(&m_white, &lab[start + i], &xyz[i]);
    }
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
