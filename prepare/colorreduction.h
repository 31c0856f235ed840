// Reduces a 160 x 120 picture to at most N colours, N 1..32: libimagequant
// chooses them (for N = 1, the mean colour in linear light), or they are the
// best N of the colours in a palette file (see filecolorchoice.h; all of them
// when the file has at most N). Each pixel then takes the nearest
// chosen colour by CIEDE2000, or, with dithering, Floyd-Steinberg error
// diffusion over the chosen colours.
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace prepare {

class LabColor;

inline constexpr int MaxColors = 32;

struct ReductionOptions
{
    int colors = MaxColors; // 1..32
    bool dither = false;
    QList<QRgb> fileColors; // the palette file's colours; empty for a free choice
    // Applied after reduceColors(), by reduceScaled(); see rarecolors.h.
    int minPieces = 1;
};

// picture is Format_RGB888; so is the result.
QImage reduceColors(const QImage &picture, const ReductionOptions &options, const LabColor &lab);

} // namespace prepare
