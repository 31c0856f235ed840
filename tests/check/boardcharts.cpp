#include "boardcharts.h"

#include "labcolor.h"

#include <QImage>
#include <random>

QList<QRgb> beadColors()
{
    return {qRgb(200, 30, 40), qRgb(190, 40, 48), qRgb(250, 250, 246), qRgb(20, 20, 24),
        qRgb(240, 120, 30), qRgb(250, 210, 40), qRgb(120, 200, 80), qRgb(30, 110, 50),
        qRgb(100, 170, 230), qRgb(30, 60, 170), qRgb(120, 60, 150), qRgb(240, 150, 180),
        qRgb(120, 75, 40), qRgb(240, 190, 150), qRgb(130, 130, 135), qRgb(245, 232, 190)};
}

chart::Chart beadChart(unsigned seed)
{
    chart::Chart chart;
    for (QRgb color : beadColors())
        chart.colors.append({color & 0xffffff, 0, {}, {}, {}});
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(1, chart.colorCount());
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        for (int column = 1; column <= chart::Chart::Columns; ++column)
            chart.cells(row, column) = int16_t(pick(random));
    }
    return chart;
}

LaidBoard layBoard(
    const chart::Chart &chart, const check::Area &area, int wrongCount, unsigned seed)
{
    LaidBoard board;
    for (int r = 0; r < area.height; ++r) {
        for (int c = 0; c < area.width; ++c)
            board.pieces.append(QRgb(chart.color(chart.cell(area.row + r, area.column + c)).rgb));
    }
    const prepare::LabColor lab;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pickCell(0, area.cellCount() - 1);
    std::uniform_int_distribution<int> pickColor(1, chart.colorCount());
    QList<bool> taken(area.cellCount(), false);
    for (int k = 0; k < wrongCount;) {
        const int index = pickCell(random);
        if (taken[index])
            continue;
        const int row = area.row + index / area.width, column = area.column + index % area.width;
        const int expected = chart.cell(row, column);
        const int seen = pickColor(random);
        if (prepare::LabColor::distance(lab.fromRgb(QRgb(chart.color(expected).rgb)),
                lab.fromRgb(QRgb(chart.color(seen).rgb)))
            < 20)
            continue;
        taken[index] = true;
        board.pieces[index] = QRgb(chart.color(seen).rgb);
        ++k;
    }
    for (int index = 0; index < area.cellCount(); ++index) {
        if (!taken[index])
            continue;
        const int row = area.row + index / area.width, column = area.column + index % area.width;
        const int expected = chart.cell(row, column);
        const QRgb laid = board.pieces[index];
        int seen = 1;
        while (QRgb(chart.color(seen).rgb) != (laid & 0xffffff))
            ++seen;
        board.wrong.append({row, column, expected, seen});
    }
    return board;
}

check::LoadedPhoto photoOf(const QImage &image)
{
    check::LoadedPhoto photo;
    photo.status = prepare::LoadStatus::Ok;
    photo.image = image.convertToFormat(QImage::Format_RGB888);
    photo.fullSize = image.size();
    return photo;
}
