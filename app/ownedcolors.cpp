#include "ownedcolors.h"

#include <QSettings>

namespace {

QString keyOf(const PieceSet &set)
{
    return QStringLiteral("ownedColors/%1/leftOut").arg(set.id);
}

} // namespace

QStringList leftOutCodes(const PieceSet &set)
{
    const QStringList kept = QSettings().value(keyOf(set)).toStringList();
    QStringList codes;
    for (const PaletteColor &color : set.colors) {
        if (kept.contains(color.code))
            codes.append(color.code);
    }
    return codes;
}

void keepLeftOutCodes(const PieceSet &set, const QStringList &codes)
{
    QSettings settings;
    if (codes.isEmpty())
        settings.remove(keyOf(set));
    else
        settings.setValue(keyOf(set), codes);
}
