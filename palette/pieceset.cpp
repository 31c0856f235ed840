#include "pieceset.h"

#include <QFile>

namespace {

struct SetEntry
{
    const char *id;
    const char *name;
    double pieceSize;
};

// The piece sizes are the makers' own; the names those the sets are sold by in Japan.
const SetEntry Entries[] = {
    {"perler", "パーラービーズ", 5},
    {"perler-mini", "パーラービーズ ミニ", 2.6},
    {"hama", "ハマビーズ ミディ", 5},
    {"hama-mini", "ハマビーズ ミニ", 2.5},
    {"artkal-s", "アートカルビーズ S", 5},
    {"artkal-c", "アートカルビーズ C", 2.6},
    {"nabbi", "ナビビーズ", 5},
};

// The embedded file's "code,name,red,green,blue" lines after its header line.
QList<PaletteColor> colorsOfFile(const QString &id)
{
    QFile file(QStringLiteral(":/piecesets/%1.csv").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<PaletteColor> colors;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QStringList fields = QString::fromUtf8(lines[index]).split(QLatin1Char(','));
        if (fields.size() != 5)
            continue;
        const quint32 rgb
            = 0xff000000u | fields[2].toUInt() << 16 | fields[3].toUInt() << 8 | fields[4].toUInt();
        colors.append({rgb, fields[1], fields[0]});
    }
    return colors;
}

QList<PieceSet> loadedSets()
{
    QList<PieceSet> sets;
    for (const SetEntry &entry : Entries) {
        const QString id = QString::fromLatin1(entry.id);
        sets.append({id, QString::fromUtf8(entry.name), entry.pieceSize, colorsOfFile(id)});
    }
    return sets;
}

} // namespace

const QList<PieceSet> &pieceSets()
{
    static const QList<PieceSet> sets = loadedSets();
    return sets;
}

const PieceSet *findPieceSet(QStringView id)
{
    for (const PieceSet &set : pieceSets()) {
        if (set.id == id)
            return &set;
    }
    return nullptr;
}
