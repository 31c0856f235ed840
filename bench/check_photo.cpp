// Not a Google Benchmark: renders the photo scripts/bench checks, a laid board
// of a picture's area with a few wrong pieces, and prints the arguments of
// tessamap-cli check for it and the wrong cells it must report.
//     check_photo PICTURE.bmp COL ROW SIZE WIDTH HEIGHT PHOTO.jpg
#include "boardphoto.h"
#include "chart.h"
#include "colornumbering.h"
#include "labcolor.h"
#include "modshared.h"

#include <QCoreApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 8) {
        std::fprintf(
            stderr, "usage: check_photo PICTURE.bmp COL ROW SIZE WIDTH HEIGHT PHOTO.jpg\n");
        return 1;
    }
    modShared model;
    const AnalysisResult analysis = analyseBitmapFile(arguments[1], model);
    if (analysis.status != BitmapStatus::Ok) {
        std::fprintf(stderr, "cannot read the picture\n");
        return 1;
    }
    const chart::Chart chart = chart::chartFromAnalysis(model, analysis.colorMax);
    const int column = arguments[2].toInt(), row = arguments[3].toInt(),
              size = arguments[4].toInt();
    const int width = arguments[5].toInt(), height = arguments[6].toInt();

    // One wrong piece in every 120 cells, each of a colour clearly unlike the right one.
    const prepare::LabColor lab;
    QList<QRgb> pieces;
    QStringList wrong;
    for (int r = 0; r < size; ++r) {
        for (int c = 0; c < size; ++c) {
            const int number = chart.cell(row + r, column + c);
            int laid = number;
            if ((r * size + c) % 120 == 61) {
                QList<int> unlike;
                for (int n = 1; n <= chart.colorCount(); ++n) {
                    if (prepare::LabColor::distance(
                            lab.fromRgb(chart.color(number).rgb), lab.fromRgb(chart.color(n).rgb))
                        >= 25)
                        unlike.append(n);
                }
                if (!unlike.isEmpty())
                    laid = unlike[(r + c) % unlike.size()];
                if (laid != number)
                    wrong << QStringLiteral("%1,%2:%3->%4")
                                 .arg(column + c)
                                 .arg(row + r)
                                 .arg(number)
                                 .arg(laid);
            }
            pieces.append(QRgb(chart.color(laid).rgb));
        }
    }
    // The board fills two thirds of the photo's height, seen a little from below
    // its bottom edge, in warm light that falls off to the right.
    BoardScene scene;
    scene.size = QSize(width, height);
    const double side = 0.66 * height, x0 = 0.5 * (width - side), y0 = 0.17 * height;
    scene.corners = {QPointF(x0 + 0.06 * side, y0), QPointF(x0 + 0.94 * side, y0 + 0.02 * side),
        QPointF(x0 + side, y0 + side), QPointF(x0 - 0.02 * side, y0 + 0.97 * side)};
    scene.whiteBalance = {1.1, 0.98, 0.78};
    scene.falloff = 0.3;
    scene.noise = 3;
    scene.blur = width / 2000.0;
    if (!renderBoard(pieces, size, scene).save(arguments[7], "JPG", 88)) {
        std::fprintf(stderr, "cannot write the photo\n");
        return 1;
    }
    QStringList corners;
    for (const QPointF &p : scene.corners)
        corners << QString::number(qRound(p.x())) << QString::number(qRound(p.y()));
    std::printf("--area %d,%d,%d,%d --corners %s\n", column, row, size, size,
        qPrintable(corners.join(u',')));
    std::printf("%s\n", qPrintable(wrong.join(u' ')));
    return 0;
}
