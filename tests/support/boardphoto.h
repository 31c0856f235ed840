// Photos of laid boards, rendered for the tests and the benchmark: fuse beads
// (rings with a hole showing the pegboard, a highlight on one side) on a
// pegboard lying on a plain table, seen in perspective, in coloured light that
// falls off across the board, with flare, blur, noise and JPEG compression.
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRgb>
#include <QSize>
#include <array>

struct BoardScene
{
    QSize size {1000, 750};
    // The outer corners of the pieces' area: top-left, top-right, bottom-right, bottom-left.
    std::array<QPointF, 4> corners {
        QPointF(200, 100), QPointF(800, 100), QPointF(800, 650), QPointF(200, 650)};
    QRgb table = qRgb(80, 62, 48);
    QRgb pegboard = qRgb(215, 218, 222);
    std::array<double, 3> whiteBalance {1, 1, 1}; // linear gains of red, green, blue
    double crosstalk = 0; // how much of each channel leaks into the others
    double falloff = 0; // the light's share lost from the left edge to the right
    double flare = 0; // linear light added everywhere
    double blur = 0; // box blur radius in pixels
    double noise = 0; // standard deviation in sRGB values 0..255
    int jpegQuality = -1; // none below 0
    unsigned seed = 1;
};

// pieces: row after row, width a row.
QImage renderBoard(const QList<QRgb> &pieces, int width, const BoardScene &scene);
