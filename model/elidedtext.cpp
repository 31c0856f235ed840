#include "elidedtext.h"

#include <QList>

QString elidedText(const QString &text, qsizetype length)
{
    const QList<uint> characters = text.toUcs4();
    if (characters.size() <= length)
        return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(characters.constData()), length - 1)
        + QStringLiteral("…");
}
