#include "ciede2000.h"

#include <cmath>

namespace prepare {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Degree = Pi / 180;
constexpr double TwentyFiveTo7 = 6103515625.0;
const double Cos30 = std::cos(30 * Degree);
constexpr double Sin30 = 0.5;
const double Cos6 = std::cos(6 * Degree);
const double Sin6 = std::sin(6 * Degree);
const double Cos63 = std::cos(63 * Degree);
const double Sin63 = std::sin(63 * Degree);

double seventhPower(double x)
{
    const double squared = x * x;
    return squared * squared * squared * x;
}

// Hue angle in degrees, 0..360; 0 for a grey.
double hueDegrees(double b, double a)
{
    if (a == 0 && b == 0)
        return 0;
    const double h = std::atan2(b, a) / Degree;
    return h < 0 ? h + 360 : h;
}

} // namespace

double ciede2000(const cmsCIELab &p, const cmsCIELab &q)
{
    const double meanC = (std::sqrt(p.a * p.a + p.b * p.b) + std::sqrt(q.a * q.a + q.b * q.b)) / 2;
    const double meanC7 = seventhPower(meanC);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + TwentyFiveTo7)));
    const double pa = (1 + g) * p.a;
    const double qa = (1 + g) * q.a;
    const double pc = std::sqrt(pa * pa + p.b * p.b);
    const double qc = std::sqrt(qa * qa + q.b * q.b);
    const double ph = hueDegrees(p.b, pa);
    const double qh = hueDegrees(q.b, qa);

    const double hueSum = qh + ph;
    const double hueDifference = qh - ph;
    const double meanH = std::fabs(hueDifference) <= 180.000001 ? hueSum / 2
        : hueSum < 360                                          ? (hueSum + 360) / 2
                                                                : (hueSum - 360) / 2;
    const double deltaHue = hueDifference <= -180.000001 ? hueDifference + 360
        : hueDifference > 180                            ? hueDifference - 360
                                                         : hueDifference;
    const double deltaL = q.L - p.L;
    const double deltaC = qc - pc;
    const double deltaH = 2 * std::sqrt(qc * pc) * std::sin(deltaHue * Degree / 2);

    // cos(h - 30°), cos 2h, cos(3h + 6°) and cos(4h - 63°) from cos h and sin h.
    const double c1 = std::cos(meanH * Degree);
    const double s1 = std::sin(meanH * Degree);
    const double c2 = 2 * c1 * c1 - 1;
    const double s2 = 2 * s1 * c1;
    const double c3 = c1 * (4 * c1 * c1 - 3);
    const double s3 = s1 * (3 - 4 * s1 * s1);
    const double c4 = 2 * c2 * c2 - 1;
    const double s4 = 2 * s2 * c2;
    const double t = 1 - 0.17 * (c1 * Cos30 + s1 * Sin30) + 0.24 * c2
        + 0.32 * (c3 * Cos6 - s3 * Sin6) - 0.2 * (c4 * Cos63 + s4 * Sin63);

    const double meanL50 = (q.L + p.L) / 2 - 50;
    const double sl = 1 + 0.015 * meanL50 * meanL50 / std::sqrt(20 + meanL50 * meanL50);
    const double meanCp = (pc + qc) / 2;
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double hueFrom275 = (meanH - 275) / 25;
    const double deltaRo = 30 * std::exp(-hueFrom275 * hueFrom275);
    const double meanCp7 = seventhPower(meanCp);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + TwentyFiveTo7));
    const double rt = -std::sin(2 * deltaRo * Degree) * rc;

    const double l = deltaL / sl;
    const double c = deltaC / sc;
    const double h = deltaH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace prepare
