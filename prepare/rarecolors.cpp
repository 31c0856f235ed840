#include "rarecolors.h"

#include "dithering.h"
#include "labcolor.h"
#include "nearestcolor.h"
#include "prepare.h"

#include <vector>

namespace prepare {

namespace {

// The colour to drop, or -1 when every colour left has minPieces pixels or
// only one is left. A dropped colour's count is 0.
int rarest(const QList<ColorCount> &counts, int minPieces)
{
    int left = 0;
    int found = -1;
    for (qsizetype k = 0; k < counts.size(); ++k) {
        if (counts[k].pixels == 0)
            continue;
        ++left;
        if (counts[k].pixels < minPieces && (found < 0 || counts[k].pixels < counts[found].pixels))
            found = int(k);
    }
    return left > 1 ? found : -1;
}

RareColorsDropped withoutRareColors(
    const QImage &reference, QImage picture, int minPieces, const LabColor &lab)
{
    const int width = reference.width();
    std::vector<cmsCIELab> referenceLab(size_t(width) * reference.height());
    for (int y = 0; y < reference.height(); ++y)
        lab.fromRgb(reference.constScanLine(y), &referenceLab[size_t(y) * width], width);
    QList<ColorCount> counts = colorCounts(picture);
    int dropped = 0;
    for (int gone = rarest(counts, minPieces); gone >= 0; gone = rarest(counts, minPieces)) {
        const QRgb goneColor = counts[gone].color;
        counts[gone].pixels = 0;
        ++dropped;
        std::vector<int> left;
        std::vector<cmsCIELab> leftLab;
        for (qsizetype k = 0; k < counts.size(); ++k) {
            if (counts[k].pixels > 0) {
                left.push_back(int(k));
                leftLab.push_back(lab.fromRgb(counts[k].color));
            }
        }
        const NearestColor nearest(leftLab);
        for (int y = 0; y < picture.height(); ++y) {
            uchar *row = picture.scanLine(y);
            for (int x = 0; x < width; ++x) {
                if (qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]) != goneColor)
                    continue;
                ColorCount &taken
                    = counts[left[nearest(referenceLab[size_t(y) * width + x]).index]];
                ++taken.pixels;
                row[3 * x] = uchar(qRed(taken.color));
                row[3 * x + 1] = uchar(qGreen(taken.color));
                row[3 * x + 2] = uchar(qBlue(taken.color));
            }
        }
    }
    return {picture, dropped};
}

RareColorsDropped ditheredWithoutRareColors(
    const QImage &reference, QImage picture, int minPieces, const LabColor &lab)
{
    QList<ColorCount> counts = colorCounts(picture);
    const qsizetype before = counts.size();
    for (int gone = rarest(counts, minPieces); gone >= 0; gone = rarest(counts, minPieces)) {
        std::vector<QRgb> left;
        for (qsizetype k = 0; k < counts.size(); ++k) {
            if (k != gone)
                left.push_back(counts[k].color);
        }
        picture = dithered(reference, left, lab);
        counts = colorCounts(picture);
    }
    return {picture, int(before - counts.size())};
}

} // namespace

RareColorsDropped dropRareColors(
    const QImage &reference, const QImage &reduced, int minPieces, bool dither, const LabColor &lab)
{
    if (minPieces <= 1)
        return {reduced, 0};
    return dither ? ditheredWithoutRareColors(reference, reduced, minPieces, lab)
                  : withoutRareColors(reference, reduced, minPieces, lab);
}

} // namespace prepare
