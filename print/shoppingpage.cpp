#include "shoppingpage.h"
#include "placedtext.h"

#include "elidedtext.h"
#include "pagesetup.h"
#include "printsurface.h"
#include "shoppingtext.h"

#include <cmath>

namespace {

constexpr double TitleFontSize = 14;
constexpr double TextFontSize = 9;
constexpr double TitleTop = 7;
constexpr double OptionsTop = 15;
constexpr double FirstHeadingTop = 23;
// Room for 32 colours and the total on the first page.
constexpr double RowPitch = 6.2;
constexpr double RuleWidth = 0.2;
constexpr double SwatchWidth = 5;
constexpr double SwatchHeight = 4;
// The margin below the list matches the one above and left of the origin.
constexpr double BottomMargin = 20;

// Left edges of the text columns and right edges of the number columns.
constexpr double NumberRight = 14;
constexpr double CodeLeft = 18;
constexpr qsizetype CodeLength = 8;
constexpr double NameLeft = 42;
constexpr qsizetype NameLength = 20;
constexpr double PiecesRight = 122;
constexpr double WithSparesRight = 142;
constexpr double BagsRight = 158;

void rule(PrintSurface &surface, double y)
{
    surface.line(0, y, BagsRight, RuleWidth, std::nullopt, LineOption::BoxFilled);
}

void printNumbers(PrintSurface &surface, double y, const shopping::Line &line)
{
    printRightAligned(surface, PiecesRight, y, QString::number(line.pieces));
    printRightAligned(surface, WithSparesRight, y, QString::number(line.withSpares));
    printRightAligned(surface, BagsRight, y, QString::number(line.bags));
}

// The column headings at top and the rule below them; returns where the first row goes.
double printHeadings(PrintSurface &surface, double top)
{
    surface.setFontSize(TextFontSize);
    printRightAligned(surface, NumberRight, top, QStringLiteral("色"));
    printAt(surface, CodeLeft, top, QStringLiteral("コード"));
    printAt(surface, NameLeft, top, QStringLiteral("名前"));
    printRightAligned(surface, PiecesRight, top, QStringLiteral("枚数"));
    printRightAligned(surface, WithSparesRight, top, QStringLiteral("予備込み"));
    printRightAligned(surface, BagsRight, top, QStringLiteral("袋"));
    rule(surface, top + RowPitch - 1);
    return top + RowPitch;
}

void printColor(PrintSurface &surface, double y, const shopping::Line &line)
{
    const int32_t color = chart::colorValueOfRgb(line.rgb);
    surface.line(0, y - 0.3, SwatchWidth, SwatchHeight, color, LineOption::BoxFilled);
    // The outline shows a white colour on white paper.
    surface.line(0, y - 0.3, SwatchWidth, SwatchHeight, std::nullopt, LineOption::Box);
    printRightAligned(surface, NumberRight, y, QString::number(line.number));
    printAt(surface, CodeLeft, y, elidedText(line.code, CodeLength));
    printAt(surface, NameLeft, y, elidedText(line.name, NameLength));
    printNumbers(surface, y, line);
}

void printTotal(PrintSurface &surface, double y, const shopping::List &list)
{
    rule(surface, y - 1);
    printAt(surface, CodeLeft, y, QStringLiteral("合計"));
    printAt(surface, NameLeft, y, QStringLiteral("%1 色").arg(list.lines.size()));
    printNumbers(surface, y, list.total);
}

} // namespace

void printShoppingList(
    PrintSurface &surface, const shopping::List &list, const QString &picturePath)
{
    beginDocument(surface, QStringLiteral("買い物リスト :  ") + picturePath);
    surface.setFontSize(TitleFontSize);
    printAt(surface, 0, TitleTop, QStringLiteral("買い物リスト"));
    surface.setFontSize(TextFontSize);
    printAt(surface, 0, OptionsTop, shopping::optionsText(list.options));

    const double bottom = surface.scaleHeight() - 2 * BottomMargin;
    double y = printHeadings(surface, FirstHeadingTop);
    // The total is one more row after the colours.
    for (qsizetype row = 0; row <= list.lines.size(); ++row) {
        if (y + RowPitch > bottom) {
            surface.newPage();
            y = printHeadings(surface, 0);
        }
        if (row < list.lines.size())
            printColor(surface, y, list.lines[row]);
        else
            printTotal(surface, y, list);
        y += RowPitch;
    }
    surface.endDoc();
}
