#include "prepare.h"

#include "labcolor.h"
#include "outputfile.h"
#include "palettesource.h"
#include "quality.h"
#include "rarecolors.h"
#include "writefailure.h"

#include <QHash>
#include <QImageWriter>

namespace prepare {

namespace {

// Qt writes Format_RGB888 as a bottom-up 24-bit BMP with the 40-byte info
// header; an indexed image would become a 4- or 8-bit BMP instead. The
// resolution fields would follow the screen where there is one: fixed at the
// 100 dpi written without one, every front end writes the same bytes.
PrepareResult::Status writeBmp(const QImage &picture, OutputFile &file)
{
    QImage written = picture;
    written.setDotsPerMeterX(3937);
    written.setDotsPerMeterY(3937);
    QImageWriter writer(&file.device(), "bmp");
    if (!writer.write(written) || !file.commit())
        return PrepareResult::Status::WriteFailed;
    return PrepareResult::Status::Done;
}

} // namespace

QList<ColorCount> colorCounts(const QImage &picture)
{
    QList<ColorCount> counts;
    QHash<QRgb, qsizetype> indexOf;
    for (int y = picture.height() - 1; y >= 0; --y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb color = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
            const auto found = indexOf.constFind(color);
            if (found != indexOf.constEnd()) {
                ++counts[*found].pixels;
                continue;
            }
            indexOf.insert(color, counts.size());
            counts.append({color, 1});
        }
    }
    return counts;
}

QString colorCountText(int colors, int minPieces, int dropped)
{
    // Short enough for the photo window's line beside the mean colour difference.
    QString text = QStringLiteral("色数: %1").arg(colors);
    if (minPieces > 1)
        text += dropped > 0 ? QStringLiteral("（少ない %1 色を除外）").arg(dropped)
                            : QStringLiteral("（少ない色はなし）");
    return text;
}

ReducedPicture reduceDecoded(const DecodedPicture &decoded, const Geometry &geometry,
    const Adjustments &adjustments, const ReductionOptions &reduction)
{
    return reduceScaled(scaleToPicture(decoded, geometry), adjustments, reduction);
}

ReducedPicture reduceScaled(
    const QImage &scaled, const Adjustments &adjustments, const ReductionOptions &reduction)
{
    ReducedPicture result;
    if (scaled.isNull())
        return result;
    const LabColor lab;
    result.reference = adjusted(scaled, adjustments, lab);
    result.picture = reduceColors(result.reference, reduction, lab);
    if (result.picture.isNull())
        return result;
    const RareColorsDropped kept = dropRareColors(
        result.reference, result.picture, reduction.minPieces, reduction.dither, lab);
    result.picture = kept.picture;
    result.droppedColors = kept.dropped;
    result.counts = colorCounts(result.picture);
    result.meanDeltaE = reduction.dither ? meanBlurredDeltaE(result.picture, result.reference, lab)
                                         : meanDeltaE(result.picture, result.reference, lab);
    return result;
}

bool hasBmpName(const QString &path)
{
    return path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
}

QString withBmpName(const QString &path)
{
    return hasBmpName(path) ? path : path + QStringLiteral(".bmp");
}

PrepareResult::Status outputRefusal(
    const QString &input, const QString &output, const QString &paletteFile)
{
    // The output file follows a link at its path and would replace the target.
    if (namesSameFile(input, output))
        return PrepareResult::Status::OutputIsInput;
    if (namesSameFile(paletteFile, output))
        return PrepareResult::Status::OutputIsPalette;
    if (!hasBmpName(output))
        return PrepareResult::Status::OutputNotBmp;
    return PrepareResult::Status::Done;
}

PrepareResult::Status writePreparedPicture(const QImage &picture, const QString &path)
{
    OutputFile file(path);
    if (!file.open())
        return PrepareResult::Status::CreateFailed;
    return writeBmp(picture, file);
}

PrepareResult::Status prepareStatus(LoadStatus status)
{
    switch (status) {
    case LoadStatus::Ok:
        return PrepareResult::Status::Done;
    case LoadStatus::CannotOpen:
        return PrepareResult::Status::CannotOpen;
    case LoadStatus::TooLarge:
        return PrepareResult::Status::TooLarge;
    case LoadStatus::TooManyScans:
        return PrepareResult::Status::TooManyScans;
    case LoadStatus::ConversionFailed:
        return PrepareResult::Status::ConversionFailed;
    case LoadStatus::Unreadable:
        return PrepareResult::Status::Unreadable;
    case LoadStatus::RegionOutside:
        return PrepareResult::Status::RegionOutside;
    case LoadStatus::NoDecoder:
        return PrepareResult::Status::NoDecoder;
    }
    return PrepareResult::Status::Unreadable;
}

PrepareResult preparePicture(
    const QString &input, const QString &output, const PrepareOptions &options)
{
    PrepareResult result;
    result.status = outputRefusal(input, output, options.paletteFile);
    if (result.status != PrepareResult::Status::Done)
        return result;
    // Opened first, so that an output that cannot be written costs no decoding.
    OutputFile file(output);
    if (!file.open()) {
        result.status = PrepareResult::Status::CreateFailed;
        return result;
    }
    ReductionOptions reduction {options.colors, options.dither, {}, options.minPieces};
    if (!options.paletteFile.isEmpty()) {
        result.palette = readPalette(options.paletteFile, options.leftOut);
        if (result.palette.status != PaletteFile::Status::Ok) {
            result.status = PrepareResult::Status::PaletteUnusable;
            return result;
        }
        for (const PaletteColor &color : result.palette.colors)
            reduction.fileColors.append(color.rgb);
    }

    const PictureSource source = openPictureSource(input);
    result.sourceSize = source.storedSize;
    result.limit = source.limit;
    result.format = source.heifFormat;
    result.status = prepareStatus(source.status);
    if (result.status != PrepareResult::Status::Done)
        return result;
    if (!regionFits(source, options.geometry.region)) {
        result.sourceSize = source.uprightSize();
        result.status = PrepareResult::Status::RegionOutside;
        return result;
    }
    const DecodedPicture decoded
        = decodePicture(source, decodePlan(source, options.geometry, options.reducedDecode));
    if (decoded.sourceSize.isValid())
        result.sourceSize = decoded.sourceSize;
    result.status = prepareStatus(decoded.status);
    if (result.status != PrepareResult::Status::Done)
        return result;

    const QImage scaled = scaleToPicture(decoded, options.geometry);
    if (scaled.isNull()) {
        result.status = PrepareResult::Status::ConversionFailed;
        return result;
    }
    const ReducedPicture reduced = reduceScaled(scaled, options.adjustments, reduction);
    result.reference = reduced.reference;
    result.picture = reduced.picture;
    if (result.picture.isNull()) {
        result.status = PrepareResult::Status::ReductionFailed;
        return result;
    }
    result.colorCount = int(reduced.counts.size());
    result.droppedColors = reduced.droppedColors;
    result.meanDeltaE = reduced.meanDeltaE;
    result.status = writeBmp(result.picture, file);
    return result;
}

QString prepareFailureText(const PrepareResult &result, const QString &input, const QString &output,
    const QString &paletteFile)
{
    switch (result.status) {
    case PrepareResult::Status::Done:
        return {};
    case PrepareResult::Status::OutputIsInput:
        return QStringLiteral("出力先が元の画像と同じファイルです。別の名前を指定してください。\n")
            + output;
    case PrepareResult::Status::OutputIsPalette:
        return QStringLiteral(
                   "出力先がパレットファイルと同じファイルです。別の名前を指定してください。\n")
            + output;
    case PrepareResult::Status::OutputNotBmp:
        return QStringLiteral("出力ファイルの名前は .bmp で終わるようにしてください"
                              "（Tessamap は BMP ファイルを開きます）: ")
            + output;
    case PrepareResult::Status::TooLarge:
        return QStringLiteral("画像が大きすぎます（%1×%2ドット。%3万画素まで扱えます）。\n")
                   .arg(result.sourceSize.width())
                   .arg(result.sourceSize.height())
                   .arg(result.limit / 10'000)
            + input;
    case PrepareResult::Status::TooManyScans:
        return QStringLiteral("JPEG のスキャンが多すぎます（%1 個まで扱えます）。\n")
                   .arg(result.limit)
            + input;
    case PrepareResult::Status::RegionOutside:
        return QStringLiteral("使う部分が画像の外に出ています（画像は %1×%2ドット）。\n")
                   .arg(result.sourceSize.width())
                   .arg(result.sourceSize.height())
            + input;
    case PrepareResult::Status::CannotOpen:
        return QStringLiteral("画像ファイルを開けません。\n") + input;
    case PrepareResult::Status::Unreadable:
        return QStringLiteral("画像を読み込めません（壊れているか、読めない形式です）。\n") + input;
    case PrepareResult::Status::NoDecoder:
        return QStringLiteral(
                   "%1形式の画像を読み込めません（この環境には%1のデコーダーがありません）。\n")
                   .arg(result.format)
            + input;
    case PrepareResult::Status::PaletteUnusable:
        return paletteErrorText(result.palette, paletteFile);
    case PrepareResult::Status::ConversionFailed:
        return QStringLiteral("画像を変換できません（メモリーが足りません）。\n") + input;
    case PrepareResult::Status::ReductionFailed:
        return QStringLiteral("色を減らせませんでした。\n") + input;
    case PrepareResult::Status::CreateFailed:
        return writeFailureText(WriteFailure::Create, output);
    case PrepareResult::Status::WriteFailed:
        return writeFailureText(WriteFailure::Write, output);
    }
    return {};
}

} // namespace prepare
