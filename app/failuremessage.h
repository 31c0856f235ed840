// The error trap's message box: the failure's description under the
// application title, with the exclamation icon.
#pragma once

#include "dialogs.h"

#include <exception>

extern const QString ApplicationTitle;

void showFailure(Dialogs &dialogs, const QString &description);
void showFailure(Dialogs &dialogs, const std::exception &error);
// The warnings of a refused input, titled "警告".
void showWarning(Dialogs &dialogs, const QString &text);
