#include "palettesource.h"

#include "pieceset.h"

#include <QFileInfo>
#include <QSet>

PaletteFile readPalette(const QString &fileOrSet, const QStringList &leftOut)
{
    PaletteFile result;
    if (QFileInfo::exists(fileOrSet)) {
        if (leftOut.isEmpty())
            return readPaletteFile(fileOrSet);
        result.status = PaletteFile::Status::NotASet;
        return result;
    }
    const PieceSet *set = findPieceSet(fileOrSet);
    if (!set) {
        result.status = PaletteFile::Status::NotFound;
        return result;
    }
    return pieceSetPalette(*set, leftOut);
}

PaletteFile pieceSetPalette(const PieceSet &set, const QStringList &leftOut)
{
    PaletteFile result;
    QSet<QString> codes;
    for (const PaletteColor &color : set.colors)
        codes.insert(color.code);
    for (const QString &code : leftOut) {
        if (!codes.contains(code)) {
            result.status = PaletteFile::Status::UnknownCode;
            result.lineText = code;
            return result;
        }
    }
    for (const PaletteColor &color : set.colors) {
        if (!leftOut.contains(color.code))
            result.colors.append(color);
    }
    result.status
        = result.colors.isEmpty() ? PaletteFile::Status::NoneLeft : PaletteFile::Status::Ok;
    result.set = set.id;
    return result;
}
