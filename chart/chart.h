// The chart: everything after the picture is made from this value. It holds
// the numbered picture as the colour window numbers it, per colour number its
// RGB value, piece count and, where known, the piece's name, maker's code and
// set; which blocks are done and who builds which; and the prepare options the
// picture was made with. Colour numbers run 1..colors.size(); a cell holding 0
// got no number (a picture of more than 32 colours).
#pragma once

#include "blockplace.h"
#include "modshared.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <bitset>
#include <cstdint>

namespace chart {

struct ChartColor
{
    quint32 rgb = 0; // 0xRRGGBB
    int pieces = 0;
    QString name; // empty where unknown
    QString code; // the maker's code, empty where unknown
    QString set; // the id of the piece set ("perler"), empty for a palette file or none

    friend bool operator==(const ChartColor &, const ChartColor &) = default;
};

struct Chart
{
    static constexpr int Rows = PixelColorMatrix::Rows;
    static constexpr int Columns = PixelColorMatrix::Columns;

    PixelColorMatrix cells; // (row, column), 1-based, row 1 at the top
    QList<ChartColor> colors; // colors[n - 1] is colour number n
    std::bitset<BlockTotal> done; // by print index
    QMap<int, QString> builders; // print index to the builder's name; no entry for none
    QStringList settings; // the prepare options the picture was made with, as arguments
    QString picturePath; // the analysed picture, as print headings name it; empty for none

    int colorCount() const { return int(colors.size()); }
    const ChartColor &color(int number) const { return colors.at(number - 1); }
    int cell(int row, int column) const { return cells(row, column); }
    bool isDone(BlockPlace place) const { return done.test(std::size_t(place.printIndex())); }
    QString builder(BlockPlace place) const { return builders.value(place.printIndex()); }
};

// The chart of an analysis: cells, RGB values and counts of colour numbers
// 1..colorMax and the analysed picture's path; nothing done, no names,
// builders or settings.
Chart chartFromAnalysis(const modShared &model, int colorMax);
// The analysis of a chart, as the colour window keeps it: the inverse of
// chartFromAnalysis. A chart of more than 32 colours throws IndexError.
modShared analysisOfChart(const Chart &chart);

// 0xRRGGBB of a colour value R + 256 G + 65536 B as the model keeps it, and back.
quint32 rgbOfColorValue(int32_t value);
int32_t colorValueOfRgb(quint32 rgb);

// How lists name a colour: its name and its code after a full-width space, either
// alone, or empty when neither is known.
QString colorLabel(const ChartColor &color);

} // namespace chart
