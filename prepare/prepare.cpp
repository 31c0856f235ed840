#include "prepare.h"

#include "labcolor.h"
#include "outputfile.h"
#include "quality.h"
#include "writefailure.h"

#include <QImageWriter>
#include <QSet>

namespace prepare {

namespace {

int colorCount(const QImage &picture)
{
    QSet<QRgb> colors;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            colors.insert(qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
    }
    return int(colors.size());
}

// Qt writes Format_RGB888 as a bottom-up 24-bit BMP with the 40-byte info
// header; an indexed image would become a 4- or 8-bit BMP instead.
PrepareResult::Status writeBmp(const QImage &picture, OutputFile &file)
{
    QImageWriter writer(&file.device(), "bmp");
    if (!writer.write(picture))
        return PrepareResult::Status::WriteFailed;
    return file.commit() ? PrepareResult::Status::Done : PrepareResult::Status::WriteFailed;
}

} // namespace

PrepareResult preparePicture(
    const QString &input, const QString &output, const PrepareOptions &options)
{
    PrepareResult result;
    // The output file follows a link at its path and would replace the target.
    if (namesSameFile(input, output)) {
        result.status = PrepareResult::Status::OutputIsInput;
        return result;
    }
    if (namesSameFile(options.paletteFile, output)) {
        result.status = PrepareResult::Status::OutputIsPalette;
        return result;
    }
    // Opened first, so that an output that cannot be written costs no decoding.
    OutputFile file(output);
    if (!file.open()) {
        result.status = PrepareResult::Status::CreateFailed;
        return result;
    }
    ReductionOptions reduction {options.colors, options.dither, {}};
    if (!options.paletteFile.isEmpty()) {
        result.palette = readPaletteFile(options.paletteFile);
        if (result.palette.status != PaletteFile::Status::Ok) {
            result.status = PrepareResult::Status::PaletteUnusable;
            return result;
        }
        for (const PaletteColor &color : result.palette.colors)
            reduction.fileColors.append(color.rgb);
    }

    const ScaledPicture scaled = loadScaledPicture(input, options.geometry, options.reducedDecode);
    result.sourceSize = scaled.sourceSize;
    result.limit = scaled.limit;
    result.format = scaled.format;
    switch (scaled.status) {
    case LoadStatus::Ok:
        break;
    case LoadStatus::CannotOpen:
        result.status = PrepareResult::Status::CannotOpen;
        return result;
    case LoadStatus::TooLarge:
        result.status = PrepareResult::Status::TooLarge;
        return result;
    case LoadStatus::TooManyScans:
        result.status = PrepareResult::Status::TooManyScans;
        return result;
    case LoadStatus::Unreadable:
        result.status = PrepareResult::Status::Unreadable;
        return result;
    case LoadStatus::ConversionFailed:
        result.status = PrepareResult::Status::ConversionFailed;
        return result;
    case LoadStatus::NoDecoder:
        result.status = PrepareResult::Status::NoDecoder;
        return result;
    }
    result.reference = scaled.image;

    const LabColor lab;
    result.picture = reduceColors(result.reference, reduction, lab);
    if (result.picture.isNull()) {
        result.status = PrepareResult::Status::ReductionFailed;
        return result;
    }
    result.colorCount = colorCount(result.picture);
    result.meanDeltaE = options.dither ? meanBlurredDeltaE(result.picture, result.reference, lab)
                                       : meanDeltaE(result.picture, result.reference, lab);
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
