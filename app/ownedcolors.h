// Which colours of each piece set the user has not got, kept between runs in
// the program's settings (QSettings, group "ownedColors", a key per set id)
// as the colours' codes.
#pragma once

#include "pieceset.h"

#include <QStringList>

// The codes of the set's colours left out, in the set's order; a code the set
// no longer has is forgotten.
QStringList leftOutCodes(const PieceSet &set);
void keepLeftOutCodes(const PieceSet &set, const QStringList &codes);
