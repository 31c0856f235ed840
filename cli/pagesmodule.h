// The pages module: the part of tessamap-cli that draws PDF pages, prepares
// pictures and checks photos of laid boards. It needs Qt Gui and the image libraries, whose loading
// is most of a short run's time, so the program loads it only for the commands that use it; `list`
// and `export --csv` start with Qt Core alone.
#pragma once

#include "blockplace.h"

#include <QDir>
#include <QFunctionPointer>
#include <QString>
#include <QStringList>

class QCoreApplication;
struct modShared;

namespace chart {
struct Chart;
}

// The PDF prints of one export, into folder.
struct PagesRequest
{
    const modShared *model = nullptr;
    int colorMax = 0;
    QString picture; // absolute path, for messages
    QDir folder;
    bool sampleSheet = false;
    bool matrix = false;
    bool overview = false;
    // The overview's key from a palette file; without one, the chart's names.
    QStringList colorNames;
    bool onePage = false;
    int blockX = 0;
    int blockY = 0;
    bool pathsOnly = false; // nothing printed: the outcome lists the PDFs' paths
    // The chart with its names, for the overview, the block pages and the
    // actual-size pages.
    const chart::Chart *chart = nullptr;
    QList<chart::BlockPlace> blocks; // the block pages; none for no such document
    // The chart at the size of its pieces, as <base name>-<size>mm.pdf.
    bool actualSize = false;
    double pieceSize = 5;
    bool a3 = false;
    int board = 0; // none
};

struct PagesOutcome
{
    bool writeFailed = false;
    bool refused = false; // the matrix prints, by the top-left block rule
    QStringList paths; // with pathsOnly
};

// The module's entry points, looked up by these names.
extern "C" {
using CreateGuiApplicationFunction = QCoreApplication *(int *argc, char **argv);
using PrintPagesFunction = void(const PagesRequest *request, PagesOutcome *outcome);
using RunPrepareFunction = int(int argc, char **argv);
using RunCheckFunction = int(int argc, char **argv);
}

// The entry point of the module beside the program (the build) or in
// lib/tessamap-cli/modules (installed); null, after a message, when it cannot
// be loaded.
QFunctionPointer pagesEntry(const char *name);
template<typename Function> Function *pagesFunction(const char *name)
{
    return reinterpret_cast<Function *>(pagesEntry(name));
}
