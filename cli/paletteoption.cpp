#include "paletteoption.h"

#include "commandline.h"

std::optional<QList<PaletteColor>> readPaletteOption(const QString &path)
{
    const PaletteFile palette = readPaletteFile(path);
    if (palette.status != PaletteFile::Status::Ok) {
        printMessage(paletteErrorText(palette, path));
        return std::nullopt;
    }
    return palette.colors;
}
