// The quality table of the prepare step for one photograph: our mean CIEDE2000
// against the scaled reference, without and with dithering, beside
// ImageMagick's for the same reference, and the error of the reduced JPEG
// decode against a full one. The bench script runs ImageMagick and passes its
// results in.
//
//   prepare_quality reference PHOTO REF.png
//   prepare_quality row NAME PHOTO REF.png IM_PLAIN.png IM_DITHERED.png
//   prepare_quality decode PHOTO.jpg
//   prepare_quality palette-file COUNT FILE
//   prepare_quality palette NAME REF.png PALETTE
//   prepare_quality min-pieces NAME REF.png
#include "colorreduction.h"
#include "labcolor.h"
#include "palettefile.h"
#include "pieceset.h"
#include "prepare.h"
#include "quality.h"
#include "scaledpicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

using namespace prepare;

namespace {

QImage rgb888(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB888);
}

int reference(const QString &photo, const QString &out)
{
    const ScaledPicture scaled = loadScaledPicture(photo);
    if (scaled.status != LoadStatus::Ok || !scaled.image.save(out, "png")) {
        std::fprintf(stderr, "cannot make the reference of %s\n", qPrintable(photo));
        return 1;
    }
    return 0;
}

// The reduced JPEG decode against a full one, both scaled to 160 x 120.
QString decodeError(const QString &photo)
{
    if (QImageReader(photo).format() != "jpeg")
        return QStringLiteral("not a JPEG");
    const ScaledPicture reduced = loadScaledPicture(photo);
    if (reduced.reduction == 1)
        return QStringLiteral("full decode");
    const ScaledPicture full = loadScaledPicture(photo, {}, false);
    return QStringLiteral("%1 at 1/%2")
        .arg(meanDeltaE(reduced.image, full.image, LabColor()), 0, 'f', 2)
        .arg(reduced.reduction);
}

int row(const QStringList &args)
{
    const QString name = args[0];
    const QImage ref = rgb888(args[2]);
    const QImage imPlain = rgb888(args[3]);
    const QImage imDithered = rgb888(args[4]);
    const LabColor lab;

    const auto start = std::chrono::steady_clock::now();
    const QImage plain = reduceColors(ref, {MaxColors, false, {}}, lab);
    const auto middle = std::chrono::steady_clock::now();
    const QImage dithered = reduceColors(ref, {MaxColors, true, {}}, lab);
    const auto end = std::chrono::steady_clock::now();
    using ms = std::chrono::duration<double, std::milli>;

    const double ours = meanDeltaE(plain, ref, lab);
    const double theirs = meanDeltaE(imPlain, ref, lab);
    const double oursDithered = meanBlurredDeltaE(dithered, ref, lab);
    const double theirsDithered = meanBlurredDeltaE(imDithered, ref, lab);
    const bool plainPasses = ours <= 0.9 * theirs || (ours < 1 && theirs < 1);
    const bool ditherPasses
        = oursDithered <= 1.1 * theirsDithered || (oursDithered < 1 && theirsDithered < 1);

    const QString decode = decodeError(args[1]);
    std::printf("| %s | %.2f | %.2f | %.2f %s | %.2f | %.2f | %.2f %s | %s | %.0f / %.0f ms |\n",
        qPrintable(name), ours, theirs, ours / theirs, plainPasses ? "pass" : "FAIL", oursDithered,
        theirsDithered, oursDithered / theirsDithered, ditherPasses ? "pass" : "FAIL",
        qPrintable(decode), ms(middle - start).count(), ms(end - middle).count());
    return plainPasses && ditherPasses ? 0 : 2;
}

// COUNT colours spread evenly over the RGB cube (the R3 sequence), as CSV lines.
int writePalette(int count, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    QHash<QRgb, bool> seen;
    for (int n = 0; int(seen.size()) < count; ++n) {
        const auto channel = [n](double step) {
            const double value = 0.5 + n * step;
            return int(std::lround((value - std::floor(value)) * 255));
        };
        const QRgb color
            = qRgb(channel(0.8191725134), channel(0.6710436067), channel(0.5497004779));
        if (seen.contains(color))
            continue;
        seen.insert(color, true);
        file.write(QStringLiteral("%1,%2,%3,c%4\n")
                       .arg(qRed(color))
                       .arg(qGreen(color))
                       .arg(qBlue(color))
                       .arg(seen.size())
                       .toUtf8());
    }
    return file.error() == QFileDevice::NoError ? 0 : 1;
}

// The yardstick: add, count times, the file colour that lowers the mean error
// over the picture's own colours most.
double greedyError(const QImage &ref, const QList<QRgb> &file, int count, const LabColor &lab)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < ref.height(); ++y)
        for (int x = 0; x < ref.width(); ++x)
            ++counts[ref.pixel(x, y)];
    std::vector<std::vector<float>> table;
    std::vector<double> weights;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        const cmsCIELab color = lab.fromRgb(it.key());
        std::vector<float> row;
        for (const QRgb fileColor : file)
            row.push_back(float(LabColor::distance(color, lab.fromRgb(fileColor))));
        table.push_back(std::move(row));
        weights.push_back(it.value());
    }
    std::vector<float> nearest(table.size(), std::numeric_limits<float>::max());
    double error = 0;
    for (int k = 0; k < count; ++k) {
        double best = std::numeric_limits<double>::max();
        qsizetype bestColumn = 0;
        for (qsizetype c = 0; c < file.size(); ++c) {
            double sum = 0;
            for (size_t r = 0; r < table.size(); ++r)
                sum += weights[r] * std::min(nearest[r], table[r][c]);
            if (sum < best) {
                best = sum;
                bestColumn = c;
            }
        }
        for (size_t r = 0; r < table.size(); ++r)
            nearest[r] = std::min(nearest[r], table[r][bestColumn]);
        error = best;
    }
    return error / double(ref.width() * ref.height());
}

// Our choice of a palette file's colours beside the plain greedy choice, for
// 32 and 12 colours, and the time of our colour reduction.
int paletteRow(const QString &name, const QString &refPath, const QString &palettePath)
{
    const QImage ref = rgb888(refPath);
    const PaletteFile palette = readPaletteFile(palettePath);
    if (palette.status != PaletteFile::Status::Ok) {
        std::fprintf(stderr, "%s\n", qPrintable(paletteErrorText(palette, palettePath)));
        return 1;
    }
    QList<QRgb> file;
    for (const PaletteColor &color : palette.colors)
        file.append(color.rgb);
    const LabColor lab;
    std::printf("| %s |", qPrintable(name));
    for (const int count : {32, 12}) {
        const auto start = std::chrono::steady_clock::now();
        const QImage ours = reduceColors(ref, {count, false, file}, lab);
        const auto end = std::chrono::steady_clock::now();
        const double oursError = meanDeltaE(ours, ref, lab);
        const double greedy = greedyError(ref, file, count, lab);
        std::printf(" %.2f | %.2f | %.3f | %.0f ms |", oursError, greedy, oursError / greedy,
            std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::printf("\n");
    return 0;
}

// What --min-pieces 20 costs at 32 colours: the mean CIEDE2000 without and
// with it (blurred where dithered), with the colours it dropped; chosen freely,
// freely and dithered, and from the Perler set.
int minPiecesRow(const QString &name, const QString &refPath)
{
    const QImage ref = rgb888(refPath);
    QList<QRgb> perler;
    for (const PaletteColor &color : findPieceSet(QStringLiteral("perler"))->colors)
        perler.append(color.rgb);
    std::printf("| %s |", qPrintable(name));
    const ReductionOptions kinds[]
        = {{MaxColors, false, {}}, {MaxColors, true, {}}, {MaxColors, false, perler}};
    for (ReductionOptions reduction : kinds) {
        const ReducedPicture every = reduceScaled(ref, {}, reduction);
        reduction.minPieces = 20;
        const ReducedPicture some = reduceScaled(ref, {}, reduction);
        std::printf(" %.3f / %.3f | %+.2f %% | %d |", every.meanDeltaE, some.meanDeltaE,
            100 * (some.meanDeltaE / every.meanDeltaE - 1), some.droppedColors);
    }
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("reference"))
        return reference(args[1], args[2]);
    if (args.size() == 6 && args[0] == QLatin1String("row"))
        return row(args.mid(1));
    if (args.size() == 3 && args[0] == QLatin1String("palette-file"))
        return writePalette(args[1].toInt(), args[2]);
    if (args.size() == 4 && args[0] == QLatin1String("palette"))
        return paletteRow(args[1], args[2], args[3]);
    if (args.size() == 3 && args[0] == QLatin1String("min-pieces"))
        return minPiecesRow(args[1], args[2]);
    if (args.size() == 2 && args[0] == QLatin1String("decode")) {
        std::printf("%s\n", qPrintable(decodeError(args[1])));
        return 0;
    }
    std::fprintf(stderr,
        "usage: prepare_quality reference PHOTO REF.png\n"
        "       prepare_quality row NAME PHOTO REF.png IM_PLAIN.png IM_DITHERED.png\n"
        "       prepare_quality decode PHOTO.jpg\n"
        "       prepare_quality palette-file COUNT FILE\n"
        "       prepare_quality palette NAME REF.png PALETTE\n"
        "       prepare_quality min-pieces NAME REF.png\n");
    return 1;
}
