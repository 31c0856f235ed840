// How close a reduced picture comes to the picture it was reduced from: the
// mean CIEDE2000 over all pixels. A dithered picture is judged as it reads
// from a step back, after a Gaussian blur of sigma 1 pixel applied to both
// pictures' sRGB values. Both pictures are Format_RGB888 of one size.
#pragma once

#include <QImage>
#include <lcms2.h>
#include <vector>

namespace prepare {

class LabColor;

double meanDeltaE(const QImage &result, const QImage &reference, const LabColor &lab);
double meanBlurredDeltaE(const QImage &result, const QImage &reference, const LabColor &lab);

// The blurred reference kept for judging many dithered results.
class BlurredReference
{
public:
    BlurredReference(const QImage &reference, const LabColor &lab);
    double meanDeltaE(const QImage &result) const;

private:
    const LabColor &m_lab;
    std::vector<cmsCIELab> m_pixels;
};

} // namespace prepare
