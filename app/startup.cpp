#include "startup.h"

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
