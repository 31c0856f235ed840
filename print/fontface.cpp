#include "fontface.h"

#include <QFont>
#include <QStringList>

const QString TessamapFontFamily = QStringLiteral("ＭＳ Ｐゴシック");

void registerFontSubstitutes()
{
    QFont::insertSubstitutions(
        TessamapFontFamily, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
}
