// A user's text cut to fit a message or a printed column.
#pragma once

#include <QString>

// text itself if it has at most length characters (code points, so that no
// character is split), else its first length - 1 characters and "…".
QString elidedText(const QString &text, qsizetype length);
