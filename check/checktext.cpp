#include "checktext.h"

#include "prepare.h"

namespace check {

QString colorText(const chart::Chart &chart, int number)
{
    if (number < 1 || number > chart.colorCount())
        return QStringLiteral("色%1").arg(number);
    const chart::ChartColor &color = chart.color(number);
    const QString detail = !color.name.isEmpty() ? color.name
                                                 : QStringLiteral("%1,%2,%3")
                                                       .arg(qRed(QRgb(color.rgb)))
                                                       .arg(qGreen(QRgb(color.rgb)))
                                                       .arg(qBlue(QRgb(color.rgb)));
    return QStringLiteral("色%1（%2）").arg(number).arg(detail);
}

QString wrongCellText(const chart::Chart &chart, const WrongCell &cell)
{
    const chart::BlockPlace block {(cell.column - 1) / 10, (cell.row - 1) / 10};
    return QStringLiteral("%1 の %2 行目 %3 列目（列 %4、行 %5）: %6 のところが %7 です")
        .arg(chart::blockLabel(block))
        .arg(cell.row - block.firstRow() + 1)
        .arg(cell.column - block.firstColumn() + 1)
        .arg(cell.column)
        .arg(cell.row)
        .arg(colorText(chart, cell.expected), colorText(chart, cell.seen));
}

QString checkFailureText(const CheckResult &result, const LoadedPhoto &photo,
    const QString &photoPath, const QString &cornersHint)
{
    using Status = CheckResult::Status;
    switch (result.status) {
    case Status::Checked:
        return {};
    case Status::PhotoUnusable: {
        prepare::PrepareResult failure;
        failure.status = prepare::prepareStatus(photo.status);
        failure.sourceSize = photo.storedSize;
        failure.limit = photo.limit;
        failure.format = photo.format;
        return prepare::prepareFailureText(failure, photoPath, {}, {});
    }
    case Status::NothingToCheck:
        return QStringLiteral("確かめる範囲のマスに色番号がありません（32 色を越える画像です）。");
    case Status::AreaOutside:
        return QStringLiteral("確かめる範囲が図案（160×120）の外に出ています。");
    case Status::CornersOutside:
        return QStringLiteral("角の位置が写真（%1×%2ドット）の外に出ています。\n")
                   .arg(photo.fullSize.width())
                   .arg(photo.fullSize.height())
            + photoPath;
    case Status::CornersCrossed:
        return QStringLiteral("角の位置が交差しています。左上、右上、右下、左下の順に指定して"
                              "ください。\n")
            + photoPath;
    case Status::CornersTooSmall:
        return QStringLiteral("角の間が狭すぎます（1 マスが %1 ドットに満たない大きさです）。\n")
                   .arg(MinCellPixels)
            + photoPath;
    case Status::BoardNotFound:
        return QStringLiteral("写真の中に図案と合うボードが見つかりません。\n") + photoPath
            + QStringLiteral("\n") + cornersHint;
    case Status::NoMatch:
        return QStringLiteral("指定した角の内側が図案と合いません（合うマスは %1 %）。"
                              "角の位置と確かめる範囲を確かめてください。\n")
                   .arg(qRound(100 * result.fitting))
            + photoPath;
    }
    return {};
}

} // namespace check
