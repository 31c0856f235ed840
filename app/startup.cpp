#include "startup.h"

#include "chartfile.h"
#include "fontface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Tessamap"));
    registerFontSubstitutes();
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

StartRequest startRequest(const QStringList &arguments)
{
    StartRequest request;
    if (arguments.size() == 2 && arguments.first() == QLatin1String("--build"))
        request.buildPath = arguments.at(1);
    else if (arguments.size() == 1 && chart::isChartFilePath(arguments.first()))
        request.buildPath = arguments.first();
    else
        request.files = arguments;
    return request;
}
