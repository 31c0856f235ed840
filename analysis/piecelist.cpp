#include "piecelist.h"

QString pieceCountList(const modShared &model, int colorMax, const QStringList &names)
{
    QString text;
    for (int n = 1; n <= colorMax; ++n) {
        text += QStringLiteral("色") + QString::number(n) + QStringLiteral(":　")
            + QString::number(model.lngColorCount(n)) + QStringLiteral(" 枚");
        if (n <= names.size() && !names[n - 1].isEmpty())
            text += QStringLiteral("　") + names[n - 1];
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool blockHasUnnumberedCell(const modShared &model, int blockX, int blockY)
{
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            if (model.intPixelColor(blockY * 10 + j + 1, blockX * 10 + i + 1) == 0)
                return true;
        }
    }
    return false;
}
