// The colour lists of real piece sets built into Tessamap: seven lines of fuse
// beads, measured by their users from photographs and scans of real pieces
// (close to the makers' colours, not exact; transparent and glitter beads
// least), under the MIT licence (sets/README.md). Each colour has the maker's
// code, its name as the maker gives it and its RGB value.
#pragma once

#include "palettefile.h"

#include <QList>
#include <QString>
#include <QStringView>

struct PieceSet
{
    QString id; // "perler": what --palette and the chart file name it by
    QString name; // for people: 「パーラービーズ」
    double pieceSize = 0; // millimetres across one piece
    QList<PaletteColor> colors; // in the maker's order, each with its code; line is 0
};

// Every set, in a fixed order.
const QList<PieceSet> &pieceSets();

// The set of that id, or nullptr.
const PieceSet *findPieceSet(QStringView id);
