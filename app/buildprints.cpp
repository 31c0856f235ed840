#include "buildprints.h"

#include "blockpages.h"
#include "chart.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "outputfile.h"
#include "outputplace.h"
#include "overviewsheet.h"
#include "pagesetup.h"
#include "printsurface.h"

namespace {

template<typename Print>
bool printChart(Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart,
    const QString &documentPath, Print print)
{
    try {
        if (!replacedInput(documentPath, {chart.picturePath}).isEmpty())
            throw FileWriteError(WriteFailure::ReplacesInput, documentPath);
        setUpPaper(printer, PrintSurface::ColorModeColor, documentPath);
        if (!dialogs.showPrinter())
            throw PrintError("キャンセルが選択されました。");
        print();
        reportSavedPdf(dialogs, printer);
        return true;
    } catch (const std::exception &error) {
        showFailure(dialogs, error);
        return false;
    }
}

} // namespace

bool printOverviewOfChart(
    Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart, const QString &documentPath)
{
    return printChart(
        dialogs, printer, chart, documentPath, [&] { printOverview(printer, chart); });
}

bool printBlocksOfChart(Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart,
    const QList<chart::BlockPlace> &blocks, const QString &documentPath)
{
    // Said before the printer dialog rather than after it.
    if (blocks.isEmpty()) {
        showFailure(dialogs, QString::fromUtf8(NoBlockText));
        return false;
    }
    return printChart(
        dialogs, printer, chart, documentPath, [&] { printBlockPages(printer, chart, blocks); });
}
