#include "paletteoption.h"

#include "commandline.h"
#include "palettesource.h"

std::optional<QList<PaletteColor>> readPaletteOption(const QString &path)
{
    const PaletteFile palette = readPalette(path);
    if (palette.status != PaletteFile::Status::Ok) {
        printMessage(paletteErrorText(palette, path));
        return std::nullopt;
    }
    return palette.colors;
}
