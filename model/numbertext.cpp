#include "numbertext.h"

namespace numbertext {

QString withSignPosition(long long value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString printItem(long long value)
{
    return withSignPosition(value) + QLatin1Char(' ');
}

} // namespace numbertext
