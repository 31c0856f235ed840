#include "palettesource.h"

#include "pieceset.h"

#include <QFileInfo>

PaletteFile readPalette(const QString &fileOrSet)
{
    if (QFileInfo::exists(fileOrSet))
        return readPaletteFile(fileOrSet);
    PaletteFile result;
    const PieceSet *set = findPieceSet(fileOrSet);
    if (!set) {
        result.status = PaletteFile::Status::NotFound;
        return result;
    }
    result.status = PaletteFile::Status::Ok;
    result.colors = set->colors;
    result.set = set->id;
    return result;
}
