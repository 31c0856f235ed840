#include "bitmapmessages.h"

QString bitmapRefusalText(BitmapStatus status)
{
    switch (status) {
    case BitmapStatus::NotTwentyFourBit:
        return QStringLiteral("24bit（ﾌﾙｶﾗｰ）画像ではありません。");
    case BitmapStatus::WrongSize:
        return QStringLiteral("160×120ﾄﾞｯﾄ の画像ではありません。");
    default:
        return {};
    }
}

QString bitmapFailureText(BitmapStatus status, const QString &path)
{
    switch (status) {
    case BitmapStatus::CannotOpen:
        return QStringLiteral("ファイルを開けません。\r\n") + path;
    case BitmapStatus::HeaderIncomplete:
        return QStringLiteral("ファイルが短すぎて画像の情報を読み込めません。\r\n") + path;
    case BitmapStatus::PixelDataIncomplete:
        return QStringLiteral("画像データが不完全です（ファイルが途中で終わっています）。\r\n")
            + path;
    default:
        return {};
    }
}
