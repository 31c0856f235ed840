#include "outputplace.h"

#include "dialogs.h"
#include "modshared.h"
#include "outputfile.h"
#include "printsurface.h"

#include <QFileInfo>

const QString NoAnalysisText
    = QStringLiteral("色情報がありません。画像ファイルを選び直してください。");

QDir analysedPictureFolder(const modShared &model)
{
    if (model.strAnalysedFileName.isEmpty())
        throw PrintError(NoAnalysisText.toStdString());
    return QFileInfo(model.strAnalysedFileName).absoluteDir();
}

QString outputPath(const modShared &model, const QString &fileName)
{
    const QString path = analysedPictureFolder(model).absoluteFilePath(fileName);
    if (!replacedInput(path, {model.strAnalysedFileName}).isEmpty())
        throw FileWriteError(WriteFailure::ReplacesInput, path);
    return path;
}

void reportSavedPdf(Dialogs &dialogs, const PrintSurface &surface)
{
    if (const QString path = surface.savedPdfPath(); !path.isEmpty())
        reportSaved(dialogs, path);
}

void reportSaved(Dialogs &dialogs, const QString &path)
{
    dialogs.messageBox(QStringLiteral("「%1」に保存しました。\r\n").arg(QFileInfo(path).fileName())
            + QDir::toNativeSeparators(path),
        QStringLiteral("完了"), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}
