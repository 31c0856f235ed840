// Writes the installed icons: the program's window icon as PNG files in the
// hicolor sizes and as a scalable SVG, drawn by the same code as the window's.
//
// Usage: tessamap-icons FOLDER; writes FOLDER/<n>x<n>/apps/tessamap.png and
// FOLDER/scalable/apps/tessamap.svg. Exit code 1 when a file cannot be written.
#include "icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

// The size of the main window's own mosaic picture: its grid lines keep the
// same weight when the SVG is scaled.
constexpr int SvgSize = 48;

bool writePng(const QDir &folder, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintMosaic(painter, size);
    }
    const QString sizeFolder = QStringLiteral("%1x%1/apps").arg(size);
    return folder.mkpath(sizeFolder)
        && image.save(folder.filePath(sizeFolder + QStringLiteral("/tessamap.png")), "PNG");
}

bool writeSvg(const QDir &folder)
{
    if (!folder.mkpath(QStringLiteral("scalable/apps")))
        return false;
    QSvgGenerator svg;
    svg.setFileName(folder.filePath(QStringLiteral("scalable/apps/tessamap.svg")));
    svg.setSize(QSize(SvgSize, SvgSize));
    svg.setViewBox(QRect(0, 0, SvgSize, SvgSize));
    svg.setTitle(QStringLiteral("Tessamap"));
    svg.setDescription(QStringLiteral("The Tessamap program icon"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paintMosaic(painter, SvgSize);
    return painter.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("Usage: tessamap-icons FOLDER\n", stderr);
        return 1;
    }
    const QDir folder(arguments[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        if (!writePng(folder, size)) {
            std::fprintf(stderr, "tessamap-icons: cannot write the %d px icon\n", size);
            return 1;
        }
    }
    if (!writeSvg(folder)) {
        std::fputs("tessamap-icons: cannot write the SVG icon\n", stderr);
        return 1;
    }
    return 0;
}
