// The camera's colour and the light across the board, fitted from the cells
// themselves, and the verdict on each cell. In linear light (0..1):
//     observed = gain(x, y) * (A * expected + b)
// with A a 3 x 3 matrix (white balance and the camera's colours), b an offset
// (flare, ambient light) and gain a smooth quadratic function of the place on
// the board (lighter on one side, vignetting). Most cells hold the right
// piece, so the fit is iteratively reweighted by Tukey's biweight on each
// cell's CIEDE2000 distance after correction: wrong pieces, glare and shadows
// drop out. An area of few colours cannot pin down a full matrix; the fit then
// leans on per-channel gains.
#pragma once

#include <QList>
#include <QRgb>
#include <array>
#include <vector>

namespace check {

using LinearRgb = std::array<double, 3>;

LinearRgb linearOf(QRgb color);
double linearOfSrgb(double value); // 0..1 both
double srgbOfLinear(double value);

struct CellReading
{
    double x = 0; // -1 .. 1 across the area
    double y = 0; // -1 .. 1 down the area
    LinearRgb observed {};
    int expected = 0; // index into the colours
};

struct CellVerdict
{
    int nearest = 0; // index of the colour the corrected piece is nearest
    double expectedDistance = 0; // CIEDE2000 from the expected colour
    double nearestDistance = 0;
    bool fits = false; // near its expected colour after correction
    bool wrong = false; // clearly another of the colours
};

struct ColorJudgement
{
    std::vector<CellVerdict> cells; // one a reading
    double fitting = 0; // the share of readings that fit their expected colour
};

// colors: every colour of the chart, so that a wrong piece is named by the
// chart's number even when its colour is nowhere else in the area.
ColorJudgement judgeColors(const std::vector<CellReading> &readings, const QList<QRgb> &colors);

} // namespace check
