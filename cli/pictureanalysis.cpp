#include "pictureanalysis.h"

#include "bitmapmessages.h"
#include "colornumbering.h"
#include "commandline.h"

int reportAnalysisFailure(BitmapStatus status, const QString &path)
{
    if (status == BitmapStatus::Ok)
        return ExitDone;
    if (const QString refusal = bitmapRefusalText(status); !refusal.isEmpty()) {
        printMessage(refusal + QStringLiteral("\n") + path + QStringLiteral("\n")
            + QStringLiteral("写真などの画像は tessamap-cli prepare で Tessamap の画像にできます"
                             "（画面では「画像ファイル読み込み」の「画像ファイル」から"
                             "「写真から作る」）。"));
        return ExitRefused;
    }
    printMessage(bitmapFailureText(status, path));
    return ExitBroken;
}

int analysePicture(const QString &path, modShared &model, int &colorMax)
{
    const AnalysisResult result = analyseBitmapFile(path, model);
    colorMax = result.colorMax;
    return reportAnalysisFailure(result.status, path);
}
