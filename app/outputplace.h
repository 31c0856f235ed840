// Where the windows' CSV files and PDF prints go: beside the picture whose
// analysis they hold, whatever folder the file dialog has moved to since.
#pragma once

#include <QDir>
#include <QString>

class Dialogs;
class PrintSurface;
struct modShared;

// The warning of a window that holds no analysis (after a failed load).
extern const QString NoAnalysisText;

// The folder of the analysed picture; throws PrintError with NoAnalysisText
// when the model holds no analysis.
QDir analysedPictureFolder(const modShared &model);
// Throws FileWriteError where the file would replace the analysed picture.
QString outputPath(const modShared &model, const QString &fileName);

// Tells the user where the document just printed went, when it became a PDF
// for want of a printer.
void reportSavedPdf(Dialogs &dialogs, const PrintSurface &surface);
// Tells the user the file saved at path: its name, the full path below.
void reportSaved(Dialogs &dialogs, const QString &path);
