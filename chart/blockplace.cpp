#include "blockplace.h"

#include <algorithm>

namespace chart {

QString blockLabel(BlockPlace place)
{
    return QChar(u'A' + place.x) + QString::number(place.y + 1);
}

std::optional<BlockPlace> parseBlockLabel(QStringView text)
{
    text = text.trimmed();
    if (text.size() < 2)
        return std::nullopt;
    const char16_t letter = text.front().toUpper().unicode();
    if (letter < u'A' || letter >= u'A' + BlocksAcross)
        return std::nullopt;
    QStringView number = text.mid(1);
    if (number.startsWith(u' '))
        number = number.mid(1);
    // Only plain digits: toInt() would take "+3" or " 3" as well.
    if (number.isEmpty() || number.size() > 2 || number.front() == u'0'
        || !std::all_of(
            number.begin(), number.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
        return std::nullopt;
    const int y = number.toInt() - 1;
    if (y < 0 || y >= BlocksDown)
        return std::nullopt;
    return BlockPlace {letter - u'A', y};
}

BlockLabelList parseBlockLabels(QStringView text)
{
    BlockLabelList list;
    for (QStringView label : text.split(u',')) {
        const std::optional<BlockPlace> place = parseBlockLabel(label);
        if (!place) {
            list.badLabel = label.trimmed().toString();
            if (list.badLabel.isEmpty())
                list.badLabel = text.toString();
            list.places.clear();
            return list;
        }
        if (!list.places.contains(*place))
            list.places.append(*place);
    }
    return list;
}

} // namespace chart
