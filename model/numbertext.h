// Number-to-text conversions of the user interface and the printer, independent
// of the locale.
#pragma once

#include <QString>

namespace numbertext {

// The plain conversion with its sign position: " 12", " 0", "-120".
QString withSignPosition(long long value);

// A number item of the printer: sign position, digits and one trailing space (" 7 ").
QString printItem(long long value);

} // namespace numbertext
