// What the real-PDF tests share: the one application the pages need, and the
// poppler tools that read the files back the way a reader sees them.
#pragma once

#include <QString>
#include <QStringList>

// Creates the process's QGuiApplication on first use, on the offscreen
// platform unless one is chosen, with the font substitutes the pages ask for.
void ensureGuiApplication();

// Why the real-PDF tests cannot run here (a poppler tool missing); empty when
// they can.
QString pdfTestObstacle();

// The standard output of the program, run to its end.
QString runTool(const QString &program, const QStringList &arguments);
