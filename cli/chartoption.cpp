#include "chartoption.h"

#include "bitmapmessages.h"
#include "commandline.h"
#include "modshared.h"
#include "pictureanalysis.h"

std::optional<chart::OpenedChart> openChartOption(
    const QString &path, modShared &model, int &exitCode)
{
    chart::OpenedChart opened = chart::openChart(path, model);
    if (opened.pictureStatus != BitmapStatus::Ok) {
        exitCode = reportAnalysisFailure(opened.pictureStatus, opened.picturePath);
        return std::nullopt;
    }
    if (opened.fileStatus != chart::ChartFileStatus::Ok
        && opened.fileStatus != chart::ChartFileStatus::Missing) {
        printMessage(chart::chartFileProblemText(opened.fileStatus, opened.chartPath)
            + QStringLiteral("\n制作ファイルはそのまま残し、何も書き込んでいません。"
                             "新しく始めるには、このファイルを別の名前に変えてください。"));
        exitCode = ExitBroken;
        return std::nullopt;
    }
    exitCode = ExitDone;
    return opened;
}

int reportSave(const chart::SaveResult &result)
{
    if (result.status == chart::SaveStatus::Saved)
        return ExitDone;
    printMessage(chart::saveFailureText(result));
    return result.status == chart::SaveStatus::FileUnusable ? ExitBroken : ExitWriteFailed;
}
