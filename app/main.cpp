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
    frmMatrix matrix(model, dialogs, printer);
    frmCountColor countColor(model, dialogs, printer, matrix);
    frmPhoto photo(dialogs);
    frmMain mainWindow(model, dialogs, countColor, photo);
    mainWindow.showForm();
    // tessamap [FILE]: the file opens as if chosen in the main window.
    if (const QStringList files = application.arguments().mid(1); !files.isEmpty())
        mainWindow.openGivenFiles(files);
    return application.exec();
}
