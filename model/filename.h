// Whether a file name survives the way between the file system and Qt. A name
// whose bytes are not UTF-8 reaches Qt with U+FFFD in place of those bytes, and
// that name, encoded again, would open or write another file. Every front end
// refuses such a name rather than act on the wrong file.
#pragma once

#include <QString>

bool nameSurvivesFileSystem(const QString &name);

// The windows' message for such a name: what is wrong, then the name as shown.
QString mangledNameText(const QString &name);
