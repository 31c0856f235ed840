// Process-wide set-up before the first window: application name, Qt's
// Japanese texts and the font the windows and pages ask for.
#pragma once

class QApplication;

void setUpApplication(QApplication &application);
