#include "failuremessage.h"

const QString ApplicationTitle = QStringLiteral("Tessamap");

void showFailure(Dialogs &dialogs, const QString &description)
{
    dialogs.messageBox(
        description, ApplicationTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void showFailure(Dialogs &dialogs, const std::exception &error)
{
    showFailure(dialogs, QString::fromUtf8(error.what()));
}

void showWarning(Dialogs &dialogs, const QString &text)
{
    dialogs.messageBox(
        text, QStringLiteral("警告"), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}
