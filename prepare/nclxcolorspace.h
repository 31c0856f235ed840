// The colour space that an nclx colour description (ITU-T H.273 code points,
// as AVIF and some HEIC files carry them) stands for, so that Qt converts such
// a picture like one with an ICC profile. libheif has already turned the
// file's YCbCr into RGB by the description's matrix; what is left is the
// primaries and the transfer curve.
#pragma once

#include <QColorSpace>
#include <QPointF>

namespace prepare {

struct NclxPrimaries
{
    QPointF white, red, green, blue; // CIE xy
};

// Unspecified primaries or transfer characteristics (code 2) mean sRGB's.
// The HDR curves (PQ, HLG) get sRGB's as well: their tone mapping is beyond
// this program. Invalid where Qt cannot use the result.
QColorSpace nclxColorSpace(int primariesCode, const NclxPrimaries &primaries, int transferCode);

} // namespace prepare
