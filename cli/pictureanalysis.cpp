#include "pictureanalysis.h"

#include "bitmapmessages.h"
#include "colornumbering.h"
#include "commandline.h"

int analysePicture(const QString &path, modShared &model, int &colorMax)
{
    const AnalysisResult result = analyseBitmapFile(path, model);
    colorMax = result.colorMax;
    if (result.status == BitmapStatus::Ok)
        return ExitDone;
    if (const QString refusal = bitmapRefusalText(result.status); !refusal.isEmpty()) {
        printMessage(refusal + QStringLiteral("\n") + path);
        return ExitRefused;
    }
    printMessage(bitmapFailureText(result.status, path));
    return ExitBroken;
}
