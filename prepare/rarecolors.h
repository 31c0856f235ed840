// No colour for a handful of pieces: nobody buys a bag of beads for one. After
// the colours are chosen, while some colour covers fewer than N pixels (one
// piece each), the one with the fewest is dropped (of equals, the one of the
// lower colour number, see ColorCount) and its pixels take the remaining
// colour nearest by CIEDE2000 to their own colour in the reference; a dithered
// picture is dithered again over the remaining colours instead. It stops when
// every colour has N pixels or one colour is left. Pictures are
// Format_RGB888 of one size.
#pragma once

#include <QImage>

namespace prepare {

class LabColor;

inline constexpr int MaxMinPieces = 200;

struct RareColorsDropped
{
    QImage picture;
    int dropped = 0; // colours the picture had before and has no longer
};

RareColorsDropped dropRareColors(const QImage &reference, const QImage &reduced, int minPieces,
    bool dither, const LabColor &lab);

} // namespace prepare
