// Feeds arbitrary bytes to the palette reader as a file on disk would reach it.
#include "palettefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("palette"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        __builtin_trap();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const PaletteFile palette = readPaletteFile(path);
    if (palette.status == PaletteFile::Status::Ok
        && (palette.colors.isEmpty() || palette.colors.size() > MaxPaletteColors))
        __builtin_trap();
    paletteErrorText(palette, path);
    return 0;
}
