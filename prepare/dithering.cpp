#include "dithering.h"

#include "labcolor.h"
#include "nearestcolor.h"
#include "quality.h"

#include <algorithm>
#include <cmath>
#include <future>

namespace prepare {

namespace {

// As for mapping without dithering: CIEDE2000 among the four nearest by plain
// Lab distance.
constexpr int Candidates = 4;
// Each round moves every colour this share of the way to the mean of the
// values it stood for; whole steps overshoot and the error grows again.
constexpr double Share = 0.4;
// On the bench photographs the error still fell in the fifth round, little after.
constexpr int Rounds = 6;

// Diffused error beyond this, in sRGB code values, only smears a colour the
// palette cannot reach across the pixels that follow.
constexpr float ErrorLimit = 64;

struct Diffusion
{
    QImage image;
    // Per colour: the sum of the values it stood for, and how often it did.
    std::vector<double> valueSums;
    std::vector<int> counts;
};

// The error spreads in sRGB code values, the values the blurred comparison
// with the picture averages.
Diffusion diffuse(const QImage &picture, const std::vector<QRgb> &colors, const LabColor &lab)
{
    const int width = picture.width();
    const int count = int(colors.size());
    std::vector<cmsCIELab> colorsLab;
    std::vector<float> values;
    for (const QRgb color : colors) {
        colorsLab.push_back(lab.fromRgb(color));
        values.insert(
            values.end(), {float(qRed(color)), float(qGreen(color)), float(qBlue(color))});
    }
    const NearestColor nearest(colorsLab, Candidates);

    Diffusion result {QImage(picture.size(), QImage::Format_RGB888),
        std::vector<double>(size_t(count) * 3), std::vector<int>(count)};
    // Error rows with a spare pixel at each end, so no neighbour needs a test.
    std::vector<float> thisRow(size_t(width + 2) * 3);
    std::vector<float> nextRow(thisRow.size());
    for (int y = 0; y < picture.height(); ++y) {
        const int step = y % 2 == 0 ? 1 : -1;
        const uchar *in = picture.constScanLine(y);
        uchar *out = result.image.scanLine(y);
        std::fill(nextRow.begin(), nextRow.end(), 0.0f);
        for (int i = 0; i < width; ++i) {
            const int x = step > 0 ? i : width - 1 - i;
            float *error = &thisRow[size_t(x + 1) * 3];
            float value[3];
            for (int c = 0; c < 3; ++c)
                value[c] = float(in[3 * x + c]) + std::clamp(error[c], -ErrorLimit, ErrorLimit);
            cmsCIELab valueLab;
            lab.fromRgb(value, &valueLab, 1);
            const int chosen = nearest(valueLab).index;
            ++result.counts[chosen];
            for (int c = 0; c < 3; ++c) {
                const float put = values[3 * chosen + c];
                out[3 * x + c] = uchar(put);
                result.valueSums[3 * chosen + c] += value[c];
                const float left = value[c] - put;
                error[3 * step + c] += left * (7.0f / 16);
                nextRow[size_t(x + 1 - step) * 3 + c] += left * (3.0f / 16);
                nextRow[size_t(x + 1) * 3 + c] += left * (5.0f / 16);
                nextRow[size_t(x + 1 + step) * 3 + c] += left * (1.0f / 16);
            }
        }
        std::swap(thisRow, nextRow);
    }
    return result;
}

} // namespace

QImage dithered(const QImage &picture, const std::vector<QRgb> &colors, const LabColor &lab)
{
    return diffuse(picture, colors, lab).image;
}

QImage ditheredWithOwnPalette(const QImage &picture, std::vector<QRgb> colors, const LabColor &lab)
{
    // The measures run beside the diffusions: the reference's blur beside the
    // first, each result's error beside the next round, which needs only the
    // value sums. Little CMS transforms without a cache are safe to share.
    constexpr auto Policy = std::launch::async | std::launch::deferred;
    std::future<BlurredReference> blurring
        = std::async(Policy, [&] { return BlurredReference(picture, lab); });
    Diffusion current = diffuse(picture, colors, lab);
    const BlurredReference reference = blurring.get();
    std::vector<QImage> results;
    std::vector<std::future<double>> errors;
    const auto measure = [&](const QImage &image) {
        results.push_back(image);
        errors.push_back(
            std::async(Policy, [&reference, image] { return reference.meanDeltaE(image); }));
    };
    measure(current.image);
    for (int round = 0; round < Rounds; ++round) {
        for (size_t j = 0; j < colors.size(); ++j) {
            if (current.counts[j] == 0)
                continue;
            const int now[3] = {qRed(colors[j]), qGreen(colors[j]), qBlue(colors[j])};
            const auto moved = [&](int c) {
                const double mean = current.valueSums[3 * j + c] / current.counts[j];
                return std::clamp(int(std::lround(now[c] + Share * (mean - now[c]))), 0, 255);
            };
            colors[j] = qRgb(moved(0), moved(1), moved(2));
        }
        current = diffuse(picture, colors, lab);
        measure(current.image);
    }
    // Of equal errors the earlier round wins.
    size_t best = 0;
    double bestError = errors[0].get();
    for (size_t k = 1; k < errors.size(); ++k) {
        const double error = errors[k].get();
        if (error < bestError) {
            bestError = error;
            best = k;
        }
    }
    return results[best];
}

} // namespace prepare
