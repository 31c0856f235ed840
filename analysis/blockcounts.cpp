#include "blockcounts.h"

#include <QJsonObject>
#include <array>

QString blockCaption(int blockX, int blockY)
{
    return QChar(u'A' + blockX) + QLatin1Char(' ') + QString::number(blockY + 1);
}

BlockCount blockCount(const modShared &model, int blockX, int blockY)
{
    // Index 0 holds the unnumbered cells, so ascending order puts them first.
    std::array<int, modShared::MaxColors + 1> counts {};
    for (int column = 10 * blockX + 1; column <= 10 * blockX + 10; ++column) {
        for (int row = 10 * blockY + 1; row <= 10 * blockY + 10; ++row) {
            const int color = model.intPixelColor(row, column);
            if (color < 0 || color > modShared::MaxColors)
                throw IndexError();
            ++counts[color];
        }
    }
    BlockCount block {blockCaption(blockX, blockY), {}};
    for (int color = 0; color <= modShared::MaxColors; ++color) {
        if (counts[color] > 0)
            block.pieces.append({color, counts[color]});
    }
    return block;
}

QList<BlockCount> blockCounts(const modShared &model)
{
    QList<BlockCount> blocks;
    blocks.reserve(BlocksAcross * BlocksDown);
    for (int blockX = 0; blockX < BlocksAcross; ++blockX) {
        for (int blockY = 0; blockY < BlocksDown; ++blockY)
            blocks.append(blockCount(model, blockX, blockY));
    }
    return blocks;
}

QString pieceCountText(const PieceCount &piece)
{
    return QString::number(piece.color) + QChar(u'×') + QString::number(piece.count);
}

QString blockCountLine(const BlockCount &block)
{
    QString line = block.label;
    for (const PieceCount &piece : block.pieces)
        line += QStringLiteral("  ") + pieceCountText(piece);
    return line;
}

QString blockCountList(const modShared &model)
{
    QString list;
    for (const BlockCount &block : blockCounts(model))
        list += blockCountLine(block) + QLatin1Char('\n');
    return list;
}

QJsonArray blockCountJson(const modShared &model)
{
    QJsonArray blocks;
    for (const BlockCount &block : blockCounts(model)) {
        QJsonObject counts;
        for (const PieceCount &piece : block.pieces)
            counts.insert(QString::number(piece.color), piece.count);
        blocks.append(QJsonObject {
            {QStringLiteral("label"), block.label}, {QStringLiteral("counts"), counts}});
    }
    return blocks;
}
