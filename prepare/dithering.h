// Floyd-Steinberg error diffusion of a 160 x 120 picture over a set of colours,
// and a palette made for it. Pictures are Format_RGB888.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

namespace prepare {

class LabColor;

// Each pixel takes the colour nearest by CIEDE2000 to its value plus the error
// diffused so far; rows run alternately left and right.
QImage dithered(const QImage &picture, const std::vector<QRgb> &colors, const LabColor &lab);

// Dithers with colors moved apart for dithering. A palette that sits at the
// centres of the picture's colour clusters cannot mix the clusters' outer
// colours, so each colour is drawn a part of the way towards the mean of the
// values it stood for while dithering, a few times over; the result whose
// blurred error is least is kept.
QImage ditheredWithOwnPalette(const QImage &picture, std::vector<QRgb> colors, const LabColor &lab);

} // namespace prepare
