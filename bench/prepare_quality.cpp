// The quality table of the prepare step for one photograph: our mean CIEDE2000
// against the scaled reference, without and with dithering, beside
// ImageMagick's for the same reference, and the error of the reduced JPEG
// decode against a full one. The bench script runs ImageMagick and passes its
// results in.
//
//   prepare_quality reference PHOTO REF.png
//   prepare_quality row NAME PHOTO REF.png IM_PLAIN.png IM_DITHERED.png
//   prepare_quality decode PHOTO.jpg
#include "colorreduction.h"
#include "labcolor.h"
#include "quality.h"
#include "scaledpicture.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <chrono>
#include <cstdio>

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("reference"))
        return reference(args[1], args[2]);
    if (args.size() == 6 && args[0] == QLatin1String("row"))
        return row(args.mid(1));
    if (args.size() == 2 && args[0] == QLatin1String("decode")) {
        std::printf("%s\n", qPrintable(decodeError(args[1])));
        return 0;
    }
    std::fprintf(stderr,
        "usage: prepare_quality reference PHOTO REF.png\n"
        "       prepare_quality row NAME PHOTO REF.png IM_PLAIN.png IM_DITHERED.png\n"
        "       prepare_quality decode PHOTO.jpg\n");
    return 1;
}
