#include "failuremessage.h"

#include "printsurface.h"

#include <QFileInfo>

const QString ApplicationTitle = QStringLiteral("Tessamap");
const QString ReadOnlyFolderHint
    = QStringLiteral("画像を自分のフォルダーにコピーして、そちらを選び直してください。");

void showFailure(Dialogs &dialogs, const QString &description)
{
    dialogs.messageBox(
        description, ApplicationTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void showFailure(Dialogs &dialogs, const std::exception &error)
{
    QString description = QString::fromUtf8(error.what());
    if (const auto *writeError = dynamic_cast<const FileWriteError *>(&error))
        description = outputFailureText(description, QFileInfo(writeError->path()).absolutePath());
    showFailure(dialogs, description);
}

void showWarning(Dialogs &dialogs, const QString &text)
{
    dialogs.messageBox(
        text, QStringLiteral("警告"), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

QString outputFailureText(const QString &failure, const QString &folder)
{
    // A removed folder fails too, but copying the picture elsewhere is not the cure.
    // isWritable() asks the system (access(2)): a read-only mount counts too.
    const QFileInfo info(folder);
    if (!info.isDir() || info.isWritable())
        return failure;
    return failure + QStringLiteral("\r\n") + ReadOnlyFolderHint;
}
