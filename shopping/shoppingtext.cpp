#include "shoppingtext.h"

#include <QStringList>

namespace shopping {

namespace {

// The number columns' widths in terminal cells; a Japanese heading takes two a character.
constexpr int NumberWidth = 6;
constexpr int PiecesWidth = 8;
constexpr int WithSparesWidth = 10;
constexpr int BagsWidth = 6;

QString numberColumns(const QString &first, const Line &line)
{
    return first
        + QStringLiteral("%1%2%3")
              .arg(line.pieces, PiecesWidth)
              .arg(line.withSpares, WithSparesWidth)
              .arg(line.bags, BagsWidth);
}

} // namespace

QString scopeText(Scope scope)
{
    return scope == Scope::All ? QStringLiteral("すべて") : QStringLiteral("まだ並べていない分");
}

QString optionsText(const Options &options)
{
    return QStringLiteral("%1　予備 %2 %　1袋 %3 枚")
        .arg(scopeText(options.scope))
        .arg(options.sparePercent)
        .arg(options.bagSize);
}

QString codeAndName(const Line &line)
{
    QStringList known;
    for (const QString &part : {line.code, line.name}) {
        if (!part.isEmpty())
            known.append(part);
    }
    return known.join(u' ');
}

QString tableText(const List &list)
{
    QString text = QStringLiteral("買い物リスト　") + optionsText(list.options) + u'\n';
    text += QStringLiteral("色番号    枚数  予備込み    袋  コード・名前\n");
    for (const Line &line : list.lines) {
        text += numberColumns(QStringLiteral("%1").arg(line.number, NumberWidth), line);
        const QString label = codeAndName(line);
        text += (label.isEmpty() ? QString() : QStringLiteral("  ") + label) + u'\n';
    }
    text += numberColumns(QStringLiteral("  合計"), list.total)
        + QStringLiteral("  %1 色\n").arg(list.lines.size());
    return text;
}

} // namespace shopping
