#include "actualsizeprint.h"

#include "actualsizepages.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "outputplace.h"
#include "printsurface.h"

QString actualSizeQuestion(const actualsize::Options &options, const actualsize::Plan &plan)
{
    return QStringLiteral("印刷を実行しますか？（用紙：%1 %2、全 %3 ページ）")
        .arg(options.paper == actualsize::Paper::A3 ? QStringLiteral("A3") : QStringLiteral("A4"),
            plan.landscape ? QStringLiteral("横") : QStringLiteral("縦"))
        .arg(plan.pageCount());
}

bool printChartAtActualSize(Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart,
    const actualsize::Options &options, const QString &documentPath)
{
    try {
        const actualsize::Plan plan = actualsize::setUpActualSize(printer, options, documentPath);
        const auto answer = dialogs.messageBox(actualSizeQuestion(options, plan),
            QStringLiteral("実寸で印刷"), Dialogs::Icon::Information, Dialogs::Buttons::YesNo);
        if (answer != Dialogs::Answer::Yes)
            return false;
        if (!dialogs.showPrinter())
            throw PrintError("キャンセルが選択されました。");
        actualsize::printActualSize(printer, chart, options);
        reportSavedPdf(dialogs, printer);
        return true;
    } catch (const std::exception &error) {
        showFailure(dialogs, error);
        return false;
    }
}
