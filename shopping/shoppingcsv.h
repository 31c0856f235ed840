// The shopping list as a CSV file a spreadsheet on a Japanese system opens
// with its names intact: UTF-8 with a byte-order mark, the heading
// "number,code,name,red,green,blue,pieces,with_spares,bags", one line per
// colour of the list (no total line: a spreadsheet sums itself), CR LF after
// every line. A field holding a comma, a double quote or a line break is
// quoted, its double quotes doubled.
#pragma once

#include "shoppinglist.h"
#include "writefailure.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace shopping {

QByteArray csvBytes(const List &list);

// Writes the file through the safe writer, complete or not at all; refuses,
// writing nothing, a path that names one of inputs (the picture, its chart
// file, a palette file). Nothing on success.
std::optional<WriteFailure> writeCsv(
    const List &list, const QString &path, const QStringList &inputs);

} // namespace shopping
