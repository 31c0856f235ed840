#include "colorreduction.h"

#include "dithering.h"
#include "filecolorchoice.h"
#include "labcolor.h"
#include "nearestcolor.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QHash>
#include <QRgba64>
#include <algorithm>
#include <cmath>
#include <libimagequant.h>
#include <memory>
#ifdef TESSAMAP_OPENMP
#include <omp.h>
#endif
#include <vector>

namespace prepare {

namespace {

// CIEDE2000 measured for the four nearest by plain Lab distance only: on the
// bench photographs, measuring all 32 lowered the mean error by under 0.01.
constexpr int Candidates = 4;
// k-means passes after libimagequant; passes past three gained under 0.05.
constexpr int RefinementPasses = 3;

// The picture's distinct colours, how often each occurs, and which is whose.
struct Histogram
{
    std::vector<QRgb> colors;
    std::vector<cmsCIELab> lab;
    std::vector<int> counts;
    std::vector<int> colorOfPixel;
};

Histogram histogram(const QImage &picture, const LabColor &lab)
{
    Histogram result;
    QHash<QRgb, int> index;
    result.colorOfPixel.reserve(size_t(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb color = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
            auto found = index.constFind(color);
            if (found == index.constEnd()) {
                found = index.insert(color, int(result.colors.size()));
                result.colors.push_back(color);
                result.counts.push_back(0);
            }
            ++result.counts[*found];
            result.colorOfPixel.push_back(*found);
        }
    }
    std::vector<uchar> rgb;
    rgb.reserve(result.colors.size() * 3);
    for (const QRgb color : result.colors)
        rgb.insert(rgb.end(), {uchar(qRed(color)), uchar(qGreen(color)), uchar(qBlue(color))});
    result.lab.resize(result.colors.size());
    lab.fromRgb(rgb.data(), result.lab.data(), int(result.colors.size()));
    return result;
}

std::vector<cmsCIELab> labOf(const std::vector<QRgb> &colors, const LabColor &lab)
{
    std::vector<cmsCIELab> result;
    result.reserve(colors.size());
    for (const QRgb color : colors)
        result.push_back(lab.fromRgb(color));
    return result;
}

struct LiqDeleter
{
    void operator()(liq_attr *attr) const { liq_attr_destroy(attr); }
    void operator()(liq_image *image) const { liq_image_destroy(image); }
    void operator()(liq_result *result) const { liq_result_destroy(result); }
};

// libimagequant's default speed, and the one for dithering: the rounds of
// ditheredWithOwnPalette() move the colours anyway, and on the bench
// photographs speed 8 left the dithered error where speed 4 had it, in a fifth
// of the time.
constexpr int PlainSpeed = 4;
constexpr int DitheringSpeed = 8;

std::vector<QRgb> libimagequantColors(const QImage &picture, int count, int speed)
{
    // libimagequant's threads cost more than they save on 19,200 pixels, and
    // far more on a busy machine where they wait for each other.
#ifdef TESSAMAP_OPENMP
    omp_set_num_threads(1);
#endif
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    const std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), count) != LIQ_OK
        || liq_set_speed(attr.get(), speed) != LIQ_OK)
        return {};
    const std::unique_ptr<liq_image, LiqDeleter> image(
        liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
    liq_result *quantized = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &quantized) != LIQ_OK)
        return {};
    const std::unique_ptr<liq_result, LiqDeleter> result(quantized);
    // Remapping gives the palette its final refinement.
    liq_set_dithering_level(result.get(), 0);
    std::vector<uchar> indexes(size_t(rgba.width()) * rgba.height());
    if (liq_write_remapped_image(result.get(), image.get(), indexes.data(), indexes.size())
        != LIQ_OK)
        return {};
    const liq_palette *palette = liq_get_palette(result.get());
    std::vector<QRgb> colors;
    for (unsigned i = 0; i < palette->count; ++i)
        colors.push_back(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    return colors;
}

QRgb linearMean(const QImage &picture)
{
    QImage linear = picture.convertToFormat(QImage::Format_RGBX64);
    linear.setColorSpace(QColorSpace::SRgb);
    linear.convertToColorSpace(QColorSpace::SRgbLinear);
    double sums[3] = {};
    for (int y = 0; y < linear.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgba64 *>(linear.constScanLine(y));
        for (int x = 0; x < linear.width(); ++x) {
            sums[0] += row[x].red();
            sums[1] += row[x].green();
            sums[2] += row[x].blue();
        }
    }
    const double pixels = double(linear.width()) * linear.height();
    const auto mean = [&](int c) { return quint16(std::lround(sums[c] / pixels)); };
    const QColorTransform toSrgb
        = QColorSpace(QColorSpace::SRgbLinear).transformationToColorSpace(QColorSpace::SRgb);
    return toSrgb.map(QRgba64::fromRgba64(mean(0), mean(1), mean(2), 65535)).toArgb32();
}

// Which colour each histogram colour takes, and the mean error of that choice.
struct Assignment
{
    std::vector<int> colorOf;
    double meanError = 0;
};

Assignment assign(const Histogram &histogram, const NearestColor &nearest)
{
    Assignment result;
    result.colorOf.resize(histogram.colors.size());
    double sum = 0;
    double pixels = 0;
    for (size_t i = 0; i < histogram.colors.size(); ++i) {
        const NearestColor::Match match = nearest(histogram.lab[i]);
        result.colorOf[i] = match.index;
        sum += match.distance * histogram.counts[i];
        pixels += histogram.counts[i];
    }
    result.meanError = sum / pixels;
    return result;
}

// k-means passes in Lab over libimagequant's colours, kept while each lowers
// the mean CIEDE2000. Returns the colours with the assignment they won.
std::pair<std::vector<QRgb>, Assignment> refined(
    std::vector<QRgb> colors, const Histogram &histogram, const LabColor &lab)
{
    Assignment assignment = assign(histogram, NearestColor(labOf(colors, lab), Candidates));
    for (int pass = 0; pass < RefinementPasses; ++pass) {
        std::vector<double> sums(colors.size() * 3);
        std::vector<double> weights(colors.size());
        for (size_t i = 0; i < histogram.colors.size(); ++i) {
            const int j = assignment.colorOf[i];
            const double weight = histogram.counts[i];
            sums[3 * j] += histogram.lab[i].L * weight;
            sums[3 * j + 1] += histogram.lab[i].a * weight;
            sums[3 * j + 2] += histogram.lab[i].b * weight;
            weights[j] += weight;
        }
        std::vector<QRgb> moved = colors;
        for (size_t j = 0; j < colors.size(); ++j) {
            if (weights[j] > 0)
                moved[j] = lab.toRgb({sums[3 * j] / weights[j], sums[3 * j + 1] / weights[j],
                    sums[3 * j + 2] / weights[j]});
        }
        Assignment next = assign(histogram, NearestColor(labOf(moved, lab), Candidates));
        if (next.meanError >= assignment.meanError)
            break;
        colors = std::move(moved);
        assignment = std::move(next);
    }
    return {colors, assignment};
}

QImage painted(const QImage &picture, const Histogram &histogram, const std::vector<QRgb> &colors,
    const Assignment &assignment)
{
    QImage result(picture.size(), QImage::Format_RGB888);
    const int *colorOfPixel = histogram.colorOfPixel.data();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = result.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb color = colors[assignment.colorOf[*colorOfPixel++]];
            row[3 * x] = uchar(qRed(color));
            row[3 * x + 1] = uchar(qGreen(color));
            row[3 * x + 2] = uchar(qBlue(color));
        }
    }
    return result;
}

// The picture in the palette file's colours, chosen as filecolorchoice.h tells.
QImage inFileColors(const QImage &picture, const Histogram &histogram,
    const ReductionOptions &options, int count, const LabColor &lab)
{
    const std::vector<QRgb> file(options.fileColors.begin(), options.fileColors.end());
    const FileColorChoice choice = chooseFileColors(
        {histogram.colors, histogram.lab, histogram.counts}, labOf(file, lab), count);
    std::vector<QRgb> chosen;
    for (const int index : choice.chosen)
        chosen.push_back(file[index]);
    if (options.dither)
        return dithered(picture, chosen, lab);
    return painted(picture, histogram, chosen, Assignment {choice.colorOf});
}

} // namespace

QImage reduceColors(const QImage &picture, const ReductionOptions &options, const LabColor &lab)
{
    const int count = std::clamp(options.colors, 1, MaxColors);
    if (options.dither && options.fileColors.isEmpty() && count > 1) {
        const std::vector<QRgb> chosen = libimagequantColors(picture, count, DitheringSpeed);
        return chosen.empty() ? QImage() : ditheredWithOwnPalette(picture, chosen, lab);
    }
    const Histogram colors = histogram(picture, lab);
    if (!options.fileColors.isEmpty())
        return inFileColors(picture, colors, options, count, lab);
    if (count == 1) {
        const std::vector<QRgb> mean {linearMean(picture)};
        return painted(picture, colors, mean, Assignment {std::vector<int>(colors.colors.size())});
    }
    const std::vector<QRgb> chosen = libimagequantColors(picture, count, PlainSpeed);
    if (chosen.empty())
        return {};
    const auto [palette, assignment] = refined(chosen, colors, lab);
    return painted(picture, colors, palette, assignment);
}

} // namespace prepare
