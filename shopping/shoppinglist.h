// The shopping list of a chart: per colour number the pieces needed, the
// pieces with spares (sparePercent more, rounded up) and the bags of bagSize
// they fill (rounded up), and the totals. A colour with no piece to buy (all
// of it laid) is left out; cells without a colour number are never counted.
#pragma once

#include "chart.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace shopping {

inline constexpr int DefaultSparePercent = 10;
inline constexpr int MaxSparePercent = 1000;
inline constexpr int DefaultBagSize = 1000; // as most sets sell them
inline constexpr int MaxBagSize = 100000;

enum class Scope {
    All, // every piece of the picture
    Remaining, // the pieces of the blocks not done
};

struct Options
{
    int sparePercent = DefaultSparePercent; // 0..MaxSparePercent
    int bagSize = DefaultBagSize; // 1..MaxBagSize
    Scope scope = Scope::All;
};

struct Line
{
    int number = 0; // the colour number; 0 on the total line
    quint32 rgb = 0; // 0xRRGGBB
    QString code; // empty where unknown
    QString name; // empty where unknown
    int pieces = 0;
    int withSpares = 0;
    int bags = 0; // on the total line the sum of the colours' bags
};

struct List
{
    Options options;
    QList<Line> lines; // in colour-number order
    Line total;
};

int piecesWithSpares(int pieces, int sparePercent);
int bagsFor(int pieces, int bagSize);

// The list of the chart's pieces in options' scope.
List makeList(const chart::Chart &chart, const Options &options);

// The values the command line takes: an integer in range, "10%" too for the
// spares; nothing for anything else.
std::optional<int> parseSparePercent(QStringView text);
std::optional<int> parseBagSize(QStringView text);

// Where the window proposes to keep the list of a picture, "PATH/NAME-shopping.SUFFIX".
QString pathBesidePicture(const QString &picturePath, const QString &suffix);

} // namespace shopping
