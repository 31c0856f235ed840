// The shopping list as text: the line that says what the list covers, shared
// by the window, the printed page and the command line, and the command line's
// table.
#pragma once

#include "shoppinglist.h"

#include <QString>

namespace shopping {

// 「すべて」 or 「まだ並べていない分」, as the window offers them.
QString scopeText(Scope scope);
// 「すべて　予備 10 %　1袋 1000 枚」.
QString optionsText(const Options &options);
// The colour's code and name as far as known: 「P01 白」, 「白」, or empty.
QString codeAndName(const Line &line);

// The options line, then a heading and one line per colour with the numbers
// right-aligned, code and name last, then the total line; LF line ends.
QString tableText(const List &list);

} // namespace shopping
