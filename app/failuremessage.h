// The error trap's message box: the failure's description under the
// application title, with the exclamation icon.
#pragma once

#include "dialogs.h"

#include <exception>

extern const QString ApplicationTitle;
// The line added to an output failure in a folder the user cannot write into.
extern const QString ReadOnlyFolderHint;

void showFailure(Dialogs &dialogs, const QString &description);
// A PDF that could not be written gets the hint of outputFailureText.
void showFailure(Dialogs &dialogs, const std::exception &error);
// The warnings of a refused input, titled "警告".
void showWarning(Dialogs &dialogs, const QString &text);

// The failure of an output written into folder, with ReadOnlyFolderHint as one
// more line when folder exists but cannot be written into: the installed sample
// pictures' folder, which the file dialog opens first.
QString outputFailureText(const QString &failure, const QString &folder);
