#include "quality.h"

#include "labcolor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace prepare {

namespace {

std::vector<cmsCIELab> labPixels(const QImage &picture, const LabColor &lab)
{
    std::vector<cmsCIELab> pixels(size_t(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        lab.fromRgb(
            picture.constScanLine(y), &pixels[size_t(y) * picture.width()], picture.width());
    return pixels;
}

double meanDistance(const std::vector<cmsCIELab> &a, const std::vector<cmsCIELab> &b)
{
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += LabColor::distance(a[i], b[i]);
    return a.empty() ? 0 : sum / double(a.size());
}

// Separable Gaussian, sigma 1, cut at 3 sigma; edge pixels repeat outwards.
std::vector<float> blurred(const QImage &picture)
{
    constexpr int Radius = 3;
    std::array<float, 2 * Radius + 1> weights;
    float total = 0;
    for (int i = -Radius; i <= Radius; ++i)
        total += weights[i + Radius] = std::exp(-0.5f * float(i * i));
    for (float &weight : weights)
        weight /= total;

    const int width = picture.width();
    const int height = picture.height();
    std::vector<float> across(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                float sum = 0;
                for (int i = -Radius; i <= Radius; ++i)
                    sum += weights[i + Radius] * row[3 * std::clamp(x + i, 0, width - 1) + c];
                across[(size_t(y) * width + x) * 3 + c] = sum;
            }
        }
    }
    std::vector<float> both(across.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                float sum = 0;
                for (int i = -Radius; i <= Radius; ++i)
                    sum += weights[i + Radius]
                        * across[(size_t(std::clamp(y + i, 0, height - 1)) * width + x) * 3 + c];
                both[(size_t(y) * width + x) * 3 + c] = sum;
            }
        }
    }
    return both;
}

std::vector<cmsCIELab> blurredLab(const QImage &picture, const LabColor &lab)
{
    const std::vector<float> values = blurred(picture);
    std::vector<cmsCIELab> pixels(values.size() / 3);
    lab.fromRgb(values.data(), pixels.data(), int(pixels.size()));
    return pixels;
}

} // namespace

double meanDeltaE(const QImage &result, const QImage &reference, const LabColor &lab)
{
    return meanDistance(labPixels(result, lab), labPixels(reference, lab));
}

double meanBlurredDeltaE(const QImage &result, const QImage &reference, const LabColor &lab)
{
    return BlurredReference(reference, lab).meanDeltaE(result);
}

BlurredReference::BlurredReference(const QImage &reference, const LabColor &lab)
    : m_lab(lab)
    , m_pixels(blurredLab(reference, lab))
{ }

double BlurredReference::meanDeltaE(const QImage &result) const
{
    return meanDistance(blurredLab(result, m_lab), m_pixels);
}

} // namespace prepare
