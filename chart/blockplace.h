// A 10 x 10 block of the 160 x 120 picture: x = 0..15 (letters A..P across),
// y = 0..11 (numbers 1..12 down). The chart file and the command line name a
// block "A1" .. "P12"; print order runs strip by strip from the left, each
// strip from the top (A1 .. A12, B1 .. P12), index 0..191.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace chart {

inline constexpr int BlocksAcross = 16;
inline constexpr int BlocksDown = 12;
inline constexpr int BlockTotal = BlocksAcross * BlocksDown;

struct BlockPlace
{
    int x = 0;
    int y = 0;

    int printIndex() const { return x * BlocksDown + y; }
    static BlockPlace fromPrintIndex(int index) { return {index / BlocksDown, index % BlocksDown}; }
    // Columns firstColumn() .. firstColumn() + 9, 1-based as in the matrix; rows likewise.
    int firstColumn() const { return 10 * x + 1; }
    int firstRow() const { return 10 * y + 1; }
    friend bool operator==(const BlockPlace &, const BlockPlace &) = default;
};

// "A1" .. "P12".
QString blockLabel(BlockPlace place);
// "A1" .. "P12", upper or lower case, with or without a space ("B 3", as the
// matrix prints it); nothing for anything else.
std::optional<BlockPlace> parseBlockLabel(QStringView text);

struct BlockLabelList
{
    QList<BlockPlace> places; // in the order given, each once
    QString badLabel; // the first label that is not a block, empty when all are
};

// Comma-separated labels ("A1,B12"), as the command line takes them.
BlockLabelList parseBlockLabels(QStringView text);

} // namespace chart
