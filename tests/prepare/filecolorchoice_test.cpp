#include "colorreduction.h"
#include "filecolorchoice.h"
#include "labcolor.h"

#include <QHash>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace prepare;

namespace {

// Colours spread over the RGB cube by a fixed rule, so every run sees the same.
std::vector<QRgb> spreadColors(int count, int seed)
{
    std::vector<QRgb> colors;
    for (int i = 0; i < count; ++i) {
        const int k = i * 7 + seed * 13 + 1;
        colors.push_back(qRgb(k * 89 % 256, k * 151 % 256, k * 211 % 256));
    }
    return colors;
}

std::vector<cmsCIELab> labOf(const std::vector<QRgb> &colors, const LabColor &lab)
{
    std::vector<cmsCIELab> result;
    for (const QRgb color : colors)
        result.push_back(lab.fromRgb(color));
    return result;
}

struct Picture
{
    std::vector<QRgb> colors;
    std::vector<cmsCIELab> lab;
    std::vector<int> counts;
};

Picture pictureOf(const QImage &image, const LabColor &lab)
{
    Picture picture;
    QHash<QRgb, int> index;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb color = image.pixel(x, y) | 0xff000000u;
            const auto found = index.constFind(color);
            if (found != index.constEnd()) {
                ++picture.counts[*found];
                continue;
            }
            index.insert(color, int(picture.colors.size()));
            picture.colors.push_back(color);
            picture.counts.push_back(1);
        }
    }
    picture.lab = labOf(picture.colors, lab);
    return picture;
}

// The mean CIEDE2000 when every colour takes its nearest of the chosen.
double meanError(
    const Picture &picture, const std::vector<cmsCIELab> &fileLab, const std::vector<int> &chosen)
{
    double sum = 0;
    double pixels = 0;
    for (size_t i = 0; i < picture.colors.size(); ++i) {
        double nearest = std::numeric_limits<double>::max();
        for (const int j : chosen)
            nearest = std::min(nearest, LabColor::distance(picture.lab[i], fileLab[j]));
        sum += nearest * picture.counts[i];
        pixels += picture.counts[i];
    }
    return sum / pixels;
}

// The mean CIEDE2000 of the picture as the choice paints it.
double meanError(
    const Picture &picture, const std::vector<cmsCIELab> &fileLab, const FileColorChoice &choice)
{
    double sum = 0;
    double pixels = 0;
    for (size_t i = 0; i < picture.colors.size(); ++i) {
        const int chosen = choice.chosen[choice.colorOf[i]];
        sum += LabColor::distance(picture.lab[i], fileLab[chosen]) * picture.counts[i];
        pixels += picture.counts[i];
    }
    return sum / pixels;
}

// Smooth hues with fine ripples at 160 x 120: thousands of colours, like a photo.
QImage photoLike()
{
    QImage image(160, 120, QImage::Format_RGB888);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
            image.setPixel(x, y,
                qRgb(x * 255 / 160, 40 + y * 200 / 120,
                    int(127 + 120 * std::sin(x * 0.11) * std::cos(y * 0.07))));
    return image;
}

} // namespace

TEST(FileColorChoice, FindsTheBestThreeOfSixOnSmallPictures)
{
    const LabColor lab;
    for (int seed = 0; seed < 20; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<cmsCIELab> fileLab = labOf(spreadColors(6, seed), lab);
        Picture picture;
        picture.colors = spreadColors(7, seed + 100);
        picture.lab = labOf(picture.colors, lab);
        for (int i = 0; i < 7; ++i)
            picture.counts.push_back(1 + (i * 37 + seed * 11) % 50);

        double best = std::numeric_limits<double>::max();
        for (int a = 0; a < 6; ++a)
            for (int b = a + 1; b < 6; ++b)
                for (int c = b + 1; c < 6; ++c)
                    best = std::min(best, meanError(picture, fileLab, {a, b, c}));
        const FileColorChoice choice
            = chooseFileColors({picture.colors, picture.lab, picture.counts}, fileLab, 3);
        ASSERT_EQ(choice.chosen.size(), 3u);
        EXPECT_DOUBLE_EQ(meanError(picture, fileLab, choice), best);
    }
}

TEST(FileColorChoice, BinsLoseNothingAgainstTheSearchOverEveryColour)
{
    const LabColor lab;
    const Picture picture = pictureOf(photoLike(), lab);
    const std::vector<cmsCIELab> fileLab = labOf(spreadColors(40, 3), lab);
    // Greedy and swaps over the picture's own colours and all file colours.
    DistanceTable table;
    table.columns = int(fileLab.size());
    for (size_t i = 0; i < picture.colors.size(); ++i) {
        table.weights.push_back(picture.counts[i]);
        for (const cmsCIELab &file : fileLab)
            table.distances.push_back(float(LabColor::distance(picture.lab[i], file)));
    }
    for (const int count : {1, 4, 12}) {
        SCOPED_TRACE(count);
        const double exact = meanError(picture, fileLab, greedyWithSwaps(table, count));
        const FileColorChoice choice
            = chooseFileColors({picture.colors, picture.lab, picture.counts}, fileLab, count);
        EXPECT_LE(choice.chosen.size(), size_t(count));
        EXPECT_LE(meanError(picture, fileLab, choice), exact * 1.005);
    }
}

TEST(FileColorChoice, WithAllColoursAllowedEachPixelTakesItsNearest)
{
    const LabColor lab;
    const QImage image = photoLike();
    const std::vector<QRgb> file = spreadColors(12, 5);
    const std::vector<cmsCIELab> fileLab = labOf(file, lab);
    for (const int colors : {12, 32}) {
        const QImage reduced
            = reduceColors(image, {colors, false, QList<QRgb>(file.begin(), file.end())}, lab);
        ASSERT_EQ(reduced.size(), image.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const cmsCIELab pixel = lab.fromRgb(image.pixel(x, y));
                size_t nearest = 0;
                for (size_t j = 1; j < file.size(); ++j) {
                    if (LabColor::distance(pixel, fileLab[j])
                        < LabColor::distance(pixel, fileLab[nearest]))
                        nearest = j;
                }
                ASSERT_EQ(reduced.pixel(x, y), file[nearest]) << x << "," << y;
            }
        }
    }
}
