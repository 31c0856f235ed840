#include "boardphoto.h"

#include <QBuffer>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

double toLinear(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double toSrgb(double v)
{
    v = std::clamp(v, 0.0, 1.0);
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

std::array<double, 3> linear(QRgb c)
{
    return {toLinear(qRed(c) / 255.0), toLinear(qGreen(c) / 255.0), toLinear(qBlue(c) / 255.0)};
}

void boxBlur(std::vector<std::array<double, 3>> &pixels, int width, int height, int radius)
{
    std::vector<std::array<double, 3>> out(pixels.size());
    for (int pass = 0; pass < 2; ++pass) {
        const bool across = pass == 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                std::array<double, 3> sum {};
                int n = 0;
                for (int d = -radius; d <= radius; ++d) {
                    const int sx = across ? x + d : x, sy = across ? y : y + d;
                    if (sx < 0 || sy < 0 || sx >= width || sy >= height)
                        continue;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += pixels[std::size_t(sy) * width + sx][c];
                    ++n;
                }
                for (int c = 0; c < 3; ++c)
                    out[std::size_t(y) * width + x][c] = sum[c] / n;
            }
        }
        pixels.swap(out);
    }
}

} // namespace

QImage renderBoard(const QList<QRgb> &pieces, int width, const BoardScene &scene)
{
    const int height = int(pieces.size()) / width;
    QTransform toBoard;
    QTransform::quadToQuad(QPolygonF(QList<QPointF>(scene.corners.begin(), scene.corners.end())),
        QPolygonF({QPointF(0, 0), QPointF(width, 0), QPointF(width, height), QPointF(0, height)}),
        toBoard);
    std::vector<std::array<double, 3>> pieceLight(pieces.size());
    for (qsizetype i = 0; i < pieces.size(); ++i)
        pieceLight[std::size_t(i)] = linear(pieces[i]);
    const auto table = linear(scene.table);
    const auto pegboard = linear(scene.pegboard);

    const int w = scene.size.width(), h = scene.size.height();
    std::vector<std::array<double, 3>> pixels(std::size_t(w) * h);
    constexpr int Sub = 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::array<double, 3> sum {};
            for (int sy = 0; sy < Sub; ++sy) {
                for (int sx = 0; sx < Sub; ++sx) {
                    const QPointF p
                        = toBoard.map(QPointF(x + (sx + 0.5) / Sub, y + (sy + 0.5) / Sub));
                    std::array<double, 3> c = table;
                    if (p.x() >= 0 && p.y() >= 0 && p.x() < width && p.y() < height) {
                        const int column = int(p.x()), row = int(p.y());
                        const double dx = p.x() - column - 0.5, dy = p.y() - row - 0.5;
                        const double r = std::hypot(dx, dy);
                        if (r < 0.23) {
                            for (int k = 0; k < 3; ++k)
                                c[k] = 0.55 * pegboard[k]; // in the hole's shadow
                        } else if (r < 0.47) {
                            const auto &bead = pieceLight[std::size_t(row) * width + column];
                            // Rounded: darker towards the edges, a highlight up-left.
                            const double shade = 0.8 + 0.2 * std::sin(M_PI * (r - 0.23) / 0.24);
                            const double glint
                                = std::max(0.0, (-dx - dy) / (r * std::sqrt(2.0)) - 0.85) * 2.0;
                            for (int k = 0; k < 3; ++k)
                                c[k] = bead[k] * shade + glint;
                        } else {
                            c = pegboard;
                        }
                    }
                    for (int k = 0; k < 3; ++k)
                        sum[k] += c[k];
                }
            }
            const double gain = 1 - scene.falloff * double(x) / w;
            std::array<double, 3> &out = pixels[std::size_t(y) * w + x];
            for (int k = 0; k < 3; ++k) {
                const double own = sum[k] / (Sub * Sub);
                const double others = (sum[(k + 1) % 3] + sum[(k + 2) % 3]) / (2 * Sub * Sub);
                out[k] = gain * scene.whiteBalance[k]
                        * ((1 - scene.crosstalk) * own + scene.crosstalk * others)
                    + scene.flare;
            }
        }
    }
    if (scene.blur >= 1)
        boxBlur(pixels, w, h, int(scene.blur));

    std::mt19937 random(scene.seed);
    std::normal_distribution<double> noise(0, std::max(scene.noise, 1e-9));
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const auto &p = pixels[std::size_t(y) * w + x];
            int v[3];
            for (int k = 0; k < 3; ++k)
                v[k] = std::clamp(int(std::lround(255 * toSrgb(p[k]) + noise(random))), 0, 255);
            line[x] = qRgb(v[0], v[1], v[2]);
        }
    }
    if (scene.jpegQuality >= 0) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", scene.jpegQuality);
        image = QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
    }
    return image;
}
