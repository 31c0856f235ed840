#include "frmbuild.h"
#include "frmcountcolor.h"
#include "frmmain.h"
#include "frmmatrix.h"
#include "frmphoto.h"
#include "modshared.h"
#include "qtdialogs.h"
#include "qtprintsurface.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);

    modShared model;
    QtPrintSurface printer;
    QtDialogs dialogs(printer.printer());
    frmBuild build(dialogs, printer);
    frmMatrix matrix(model, dialogs, printer, build);
    frmCountColor countColor(model, dialogs, printer, matrix);
    frmPhoto photo(dialogs);
    frmMain mainWindow(model, dialogs, countColor, photo);
    const StartRequest start = startRequest(application.arguments().mid(1));
    if (start.buildPath.isEmpty()) {
        mainWindow.showForm();
        // tessamap [FILE]: the file opens as if chosen in the main window.
        if (!start.files.isEmpty())
            mainWindow.openGivenFiles(start.files);
    } else if (!build.openChart(start.buildPath)) {
        // Nothing to build: the main window, so that the program does not end unseen.
        mainWindow.showForm();
    }
    return application.exec();
}
