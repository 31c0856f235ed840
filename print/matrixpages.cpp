#include "matrixpages.h"

#include "modshared.h"
#include "pagesetup.h"
#include "printsurface.h"

namespace {

constexpr int BlockSize = 10;
constexpr int BlocksAcross = PixelColorMatrix::Columns / BlockSize;
constexpr int BlocksDown = PixelColorMatrix::Rows / BlockSize;

QString blockLetter(int blockX)
{
    return QChar(u'A' + blockX);
}

void beginMatrixDocument(PrintSurface &surface, const modShared &model)
{
    beginDocument(surface, QStringLiteral("色番号Matrix :  ") + model.strAnalysedFileName);
    surface.setFontSize(20);
}

void endMatrixDocument(PrintSurface &surface)
{
    surface.setFontSize(9);
    surface.endDoc();
}

void printBlock(PrintSurface &surface, const modShared &model, int blockX, int blockY)
{
    surface.setCurrentX(0);
    surface.setCurrentY(5);
    surface.print({blockLetter(blockX), PrintItem(blockY + 1)});

    for (int row = 1; row <= BlockSize; ++row) {
        for (int column = 1; column <= BlockSize; ++column) {
            surface.setCurrentX(16 * column - 10);
            surface.setCurrentY(16 * row + 10);
            surface.print({PrintItem(
                model.intPixelColor(BlockSize * blockY + row, BlockSize * blockX + column))});
            surface.line(16 * column - 12, 16 * row + 6, 16, 16, std::nullopt, LineOption::Box);
        }
    }
}

} // namespace

QString blockLabel(int blockX, int blockY)
{
    return blockLetter(blockX) + QString::number(blockY + 1);
}

QString matrixPageDocumentName(int blockX, int blockY)
{
    return QStringLiteral("ColorMatrix_") + blockLabel(blockX, blockY) + QStringLiteral(".pdf");
}

void printMatrixPage(PrintSurface &surface, const modShared &model, int blockX, int blockY)
{
    beginMatrixDocument(surface, model);
    printBlock(surface, model, blockX, blockY);
    endMatrixDocument(surface);
}

void printMatrixAll(PrintSurface &surface, const modShared &model)
{
    beginMatrixDocument(surface, model);
    for (int blockX = 0; blockX < BlocksAcross; ++blockX) {
        for (int blockY = 0; blockY < BlocksDown; ++blockY) {
            printBlock(surface, model, blockX, blockY);
            surface.newPage();
        }
    }
    endMatrixDocument(surface);
}
