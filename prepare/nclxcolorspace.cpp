#include "nclxcolorspace.h"

#include <QByteArray>
#include <lcms2.h>
#include <memory>

namespace prepare {

namespace {

constexpr int BT709Primaries = 1;
constexpr int Unspecified = 2;

// Code values to linear light, as parametric curves of Little CMS.
cmsToneCurve *transferCurve(int transferCode)
{
    switch (transferCode) {
    case 1: // BT.709, and BT.601 and BT.2020 with the same curve
    case 6:
    case 14:
    case 15: {
        const cmsFloat64Number bt709[] = {1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081};
        return cmsBuildParametricToneCurve(nullptr, 4, bt709);
    }
    case 4:
        return cmsBuildGamma(nullptr, 2.2);
    case 5:
        return cmsBuildGamma(nullptr, 2.8);
    case 8:
        return cmsBuildGamma(nullptr, 1.0);
    default: {
        const cmsFloat64Number srgb[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
        return cmsBuildParametricToneCurve(nullptr, 4, srgb);
    }
    }
}

cmsCIExyY xyY(QPointF xy)
{
    return {xy.x(), xy.y(), 1.0};
}

} // namespace

QColorSpace nclxColorSpace(int primariesCode, const NclxPrimaries &primaries, int transferCode)
{
    const bool srgbPrimaries = primariesCode == BT709Primaries || primariesCode == Unspecified;
    if (srgbPrimaries && (transferCode == 13 || transferCode == Unspecified))
        return QColorSpace::SRgb;

    // Qt 6.4 knows no BT.709 curve of its own, but reads any parametric
    // curve from an ICC profile: Little CMS writes one.
    const NclxPrimaries used = srgbPrimaries
        ? NclxPrimaries {{0.3127, 0.3290}, {0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}}
        : primaries;
    const std::unique_ptr<cmsToneCurve, decltype(&cmsFreeToneCurve)> curve(
        transferCurve(transferCode), &cmsFreeToneCurve);
    if (!curve)
        return {};
    const cmsCIExyY white = xyY(used.white);
    const cmsCIExyYTRIPLE rgb {xyY(used.red), xyY(used.green), xyY(used.blue)};
    cmsToneCurve *curves[3] = {curve.get(), curve.get(), curve.get()};
    const std::unique_ptr<void, decltype(&cmsCloseProfile)> profile(
        cmsCreateRGBProfile(&white, &rgb, curves), &cmsCloseProfile);
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size))
        return {};
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (!cmsSaveProfileToMem(profile.get(), icc.data(), &size))
        return {};
    return QColorSpace::fromIccProfile(icc);
}

} // namespace prepare
