// Process-wide set-up before the first window: application name, Qt's
// Japanese texts and the font the windows and pages ask for.
#pragma once

#include <QStringList>

class QApplication;

// What the program was started on: `tessamap --build PICTURE` and a chart
// file (as the file manager passes one) open the 「制作」 window; other files
// open as if chosen in the main window.
struct StartRequest
{
    QString buildPath;
    QStringList files;
};

StartRequest startRequest(const QStringList &arguments);

void setUpApplication(QApplication &application);
